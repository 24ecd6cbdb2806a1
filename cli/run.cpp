#include "cli/run.h"

#include <algorithm>
#include <exception>
#include <string>

#include "cli/command_line.h"
#include "manifest/engine.h"
#include "cli/report.h"
#include "cli/targets.h"

namespace kovrena::cli {

namespace {

// The program is examined once; the command decides on what was found.
ProgramReport carryOut(const Request& request, const std::string& path, manifest::Services services,
                       const Host& host) {
  const manifest::Examined program = manifest::Examine(path, services);
  const manifest::Consent consent = request.force ? manifest::Consent::Given : manifest::Consent::None;
  switch (request.command) {
    case Command::Status: return manifest::StatusOf(program);
    case Command::Check: return manifest::CheckOf(program, host.system, host.registry, services);
    case Command::Apply: return manifest::ApplyTo(program, consent, services);
    case Command::Undo: return manifest::UndoFor(program, consent, services);
  }
  return {};
}

int run(const std::vector<std::string>& arguments, Disk& disk, FileSystem& files, Console& console,
        const Host& host) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.out.empty()) console.out(parsed.out);
  if (!parsed.err.empty()) console.err(parsed.err);
  if (!parsed.request) return parsed.exitCode;

  const Request& request = *parsed.request;
  const manifest::Services services{disk, files};
  std::vector<ProgramReport> reports;
  Verdict worst = Verdict::Done;
  for (const WorkItem& item : CollectPrograms(request.programs, request.recursive, disk)) {
    ProgramReport report = item.settled ? *item.settled : carryOut(request, item.path, services, host);
    worst = std::max(worst, VerdictOf(report));
    // Line by line as the work goes, so a long run over a folder shows
    // progress. What did not succeed goes to standard error, with --json too:
    // a script that reads only the document still shows the user why.
    const bool done = Succeeded(report.outcome);
    if (!request.json || !done) {
      const std::string line = ReportLine(request, report);
      if (done) console.out(line);
      else console.err(line);
    }
    reports.push_back(std::move(report));
  }
  if (request.json) console.out(JsonReport(request, reports));
  else if (const std::string notes = ReportNotes(request, reports); !notes.empty()) console.out(notes);
  return ExitCodeOf(worst);
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, Disk& disk, FileSystem& files, Console& console,
           const Host& host) {
  // Whatever escapes (memory running out on a huge folder, say) ends the run
  // as a failure with its reason, never as a crash.
  std::string reason;
  try {
    return run(arguments, disk, files, console, host);
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (...) {
  }
  try {
    console.err("kovrena-cli: beklenmeyen hata" + (reason.empty() ? std::string() : ": " + reason) + "\n");
  } catch (...) {
    // Not even that could be said; the exit status still tells.
  }
  return kExitFailed;
}

}  // namespace kovrena::cli
