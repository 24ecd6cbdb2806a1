#include "cli/run.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include "cli/command_line.h"
#include "manifest/check.h"
#include "manifest/commands.h"
#include "manifest/examine.h"
#include "cli/progress.h"
#include "cli/report.h"
#include "cli/targets.h"
#include "platform/path_text.h"

namespace kovrena::cli {

namespace {

// The program is examined once; the command decides on what was found.
ProgramReport carryOut(const Request& request, const std::string& path, manifest::Services services) {
  const manifest::Examined program = manifest::Examine(path, services);
  const manifest::Consent consent = request.force ? manifest::Consent::Given : manifest::Consent::None;
  switch (request.command) {
    case Command::Status: return manifest::StatusOf(program);
    case Command::Check: return manifest::CheckOf(program, services);
    case Command::Apply: return manifest::ApplyTo(program, consent, services);
    case Command::Undo: return manifest::UndoFor(program, consent, services);
  }
  return {};
}

bool changedTheDisk(Outcome outcome) {
  return outcome == Outcome::Applied || outcome == Outcome::Replaced || outcome == Outcome::Undone;
}

// Prints the reports as a run goes, and keeps of them only what the end of
// the run needs: a run over a whole disk takes no more memory than one over
// a folder. A run that writes or deletes holds the reports of one folder
// back until the folder is on the disk, and tells the changes the sync
// could not make sure of as failures.
class Reporter {
 public:
  Reporter(const Request& request, FileSystem& files, Console& console)
      : request_(request), files_(files), console_(console),
        changes_(request.command == Command::Apply || request.command == Command::Undo),
        json_(request, console) {
    if (changes_) files_.deferFolderSyncs();
  }

  // Before the work on path: the folder before it is done with, and synced
  // before anything in another folder changes.
  void next(const std::string& path) {
    if (!changes_ || held_.empty()) return;
    if (FolderOf(path, files_.style()) != FolderOf(held_.front().path, files_.style())) settle();
  }

  void add(ProgramReport report) {
    if (!changes_) {
      emit(report);
      return;
    }
    // A folder of thousands waits here: what a change's report says, done or
    // failed at the sync, needs none of the program's own manifest text.
    if (changedTheDisk(report.outcome) && report.facts) report.facts->embeddedText = std::string();
    held_.push_back(std::move(report));
  }

  // The reports held back, settled; the JSON document closed, or the notes.
  void finish() {
    settle();
    if (request_.json) json_.finish();
    else if (const std::string notes = ReportNotes(request_, notes_); !notes.empty()) console_.out(notes);
  }
  Verdict worst() const { return json_.lost() ? Verdict::Failed : worst_; }
  std::size_t done() const { return done_; }

 private:
  void settle() {
    if (held_.empty()) return;
    if (Status failed = files_.syncFolders()) {
      for (ProgramReport& report : held_) {
        if (!changedTheDisk(report.outcome)) continue;
        report.outcome = Outcome::Failed;
        report.error = *failed;
        report.failedAt = manifest::FailedAt::Manifest;
      }
    }
    for (const ProgramReport& report : held_) emit(report);
    held_.clear();
    console_.flush();
  }

  void emit(const ProgramReport& report) {
    ++done_;
    worst_ = std::max(worst_, VerdictOf(report));
    notes_.take(report);
    // Line by line as the work goes, so a long run over a folder shows
    // progress. What did not succeed goes to standard error, with --json too:
    // a script that reads only the document still shows the user why.
    const bool done = Succeeded(report.outcome);
    if (!request_.json || !done) {
      const std::string line = ReportLine(request_, report);
      if (done) console_.out(line);
      else console_.err(line);
    }
    if (request_.json) json_.add(report);
  }

  const Request& request_;
  FileSystem& files_;
  Console& console_;
  bool changes_;
  std::deque<ProgramReport> held_;  // one folder's, without the peak of a vector's growth
  NoteFlags notes_;
  JsonDocument json_;
  Verdict worst_ = Verdict::Done;
  std::size_t done_ = 0;
};

int run(const std::vector<std::string>& arguments, FileSystem& files, Console& console,
        const Host& host) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.out.empty()) console.out(parsed.out);
  if (!parsed.err.empty()) console.err(parsed.err);
  if (!parsed.request) return parsed.exitCode;

  const Request& request = *parsed.request;
  const manifest::Services services{files, host.system, host.registry};
  ProgressLine progress(console, WantsProgress(request, console), host.progressAfter);
  Reporter reporter(request, files, progress);
  ProgramWalk walk(request.programs, request.recursive, files);
  while (std::optional<WorkItem> item = walk.next()) {
    reporter.next(item->path);
    reporter.add(item->settled ? std::move(*item->settled) : carryOut(request, item->path, services));
    progress.show(reporter.done(), walk.found(), walk.folder());
  }
  reporter.finish();
  progress.hide();
  return ExitCodeOf(reporter.worst());
}

// Results that never reached their reader make a failed run, however the
// work went: a script must not take silence for "nothing to report".
// Memory running out ends the run as a failure with its reason. It ends it
// on the spot: the libraries are built without exceptions, so std::bad_alloc
// could not pass through them to the handler below. A write half done is
// safe (manifests are written beside and renamed into place), and what was
// not written yet is what the exit status reports as failed. What was
// gathered for standard output goes first: it tells of work that is done.
Console* runningConsole = nullptr;

[[noreturn]] void outOfMemory() {
  if (runningConsole != nullptr) runningConsole->flush();
  std::fputs("kovrena-cli: bellek yetmedi\n", stderr);
  std::_Exit(kExitFailed);
}

int checkOutput(int code, Console& console) {
  const std::optional<std::string> lost = console.outputFailure();
  if (!lost) return code;
  console.err("kovrena-cli: sonuçlar standart çıktıya yazılamadı: " + *lost + "\n");
  return kExitFailed;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, FileSystem& files, Console& console,
           const Host& host) {
  struct Running {
    explicit Running(Console& console) { runningConsole = &console; }
    ~Running() { runningConsole = nullptr; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
  } running(console);
  std::set_new_handler(outOfMemory);
  // Whatever else escapes the command-line parser or this program's own code
  // ends the run as a failure with its reason, never as a crash.
  std::string reason;
  try {
    return checkOutput(run(arguments, files, console, host), console);
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
