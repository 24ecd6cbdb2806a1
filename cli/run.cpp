#include "cli/run.h"

#include "cli/command_line.h"
#include "cli/operations.h"
#include "cli/report.h"
#include "cli/targets.h"

namespace kovrena::cli {

namespace {

ProgramReport carryOut(const Request& request, const std::string& path, Services services) {
  switch (request.command) {
    case Command::Status: return StatusOf(path, services);
    case Command::Apply: return ApplyTo(path, request.force, services);
    case Command::Undo: return UndoFor(path, request.force, services);
  }
  return {};
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, Disk& disk, FileSystem& files, Console& console) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.out.empty()) console.out(parsed.out);
  if (!parsed.err.empty()) console.err(parsed.err);
  if (!parsed.request) return parsed.exitCode;

  const Request& request = *parsed.request;
  const Services services{disk, files};
  std::vector<ProgramReport> reports;
  bool allDone = true;
  for (const WorkItem& item : CollectPrograms(request.programs, request.recursive, disk)) {
    ProgramReport report = item.settled ? *item.settled : carryOut(request, item.path, services);
    const bool done = Succeeded(report.outcome);
    allDone = allDone && done;
    // Line by line as the work goes, so a long run over a folder shows progress.
    if (!request.json) {
      const std::string line = ReportLine(request.command, report);
      if (done) console.out(line);
      else console.err(line);
    }
    reports.push_back(std::move(report));
  }
  if (request.json) console.out(JsonReport(request.command, reports));
  return allDone ? kExitDone : kExitNotAll;
}

}  // namespace kovrena::cli
