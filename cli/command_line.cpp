#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kovrena::cli {

namespace {

// "status, apply ya da undo"
std::string commandList() {
  std::string list;
  for (std::size_t i = 0; i < kCommandNames.size(); ++i) {
    if (i > 0) list += i + 1 == kCommandNames.size() ? " ya da " : ", ";
    list += kCommandNames[i].name;
  }
  return list;
}

// The parser's own messages are English; the kinds a user meets are told
// in Turkish, with the parser's words kept for the detail.
std::string usageError(const CLI::ParseError& error, const std::vector<std::string>& arguments) {
  const std::string what = error.what();
  std::string message = "kovrena-cli: ";
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && what.find("subcommand") != std::string::npos) {
    // Without a command every word is an option or the misspelt command.
    const auto word = std::find_if(arguments.begin(), arguments.end(),
                                   [](const std::string& argument) { return argument.rfind('-', 0) != 0; });
    message += word == arguments.end() ? "bir komut gerekli: " + commandList()
                                       : "bilinmeyen komut: " + *word + " (" + commandList() + ")";
  } else if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    message += "en az bir PROGRAM gerekli";
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
             what.find("flag override") != std::string::npos) {
    const auto word = std::find_if(arguments.begin(), arguments.end(), [](const std::string& argument) {
      return argument.rfind("--", 0) == 0 && argument.find('=') != std::string::npos;
    });
    message += "seçenek değer almaz: ";
    message += word == arguments.end() ? what : *word;
  } else if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    const std::size_t colon = what.find(": ");
    message += "tanınmayan bağımsız değişken: ";
    message += colon == std::string::npos ? what : what.substr(colon + 2);
  } else {
    message += "komut satırı anlaşılmadı: " + what;
  }
  message += "\nYardım için: kovrena-cli --help\n";
  return message;
}

std::optional<Command> selectedCommand(const CLI::App& app) {
  for (const CLI::App* sub : app.get_subcommands()) {
    for (const CommandName& each : kCommandNames) {
      if (sub->get_name() == each.name) return each.command;
    }
  }
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  Request request;
  CLI::App app{"", "kovrena-cli"};
  app.set_help_flag("-h,--help");
  app.set_version_flag("--version", VersionText());
  // A flag takes no value: "--recursive=yes" is a mistake, not a yes.
  app.add_flag("--json", request.json)->disable_flag_override();
  app.add_flag("--quiet", request.quiet)->disable_flag_override();
  app.require_subcommand(1);

  for (const CommandName& each : kCommandNames) {
    CLI::App* sub = app.add_subcommand(std::string(each.name));
    // --json belongs to the program, yet may follow the command's words.
    sub->fallthrough();
    if (each.command == Command::Apply || each.command == Command::Undo) {
      sub->add_flag("--force", request.force)->disable_flag_override();
    }
    if (each.command == Command::Check) {
      sub->add_flag("--show-embedded", request.showEmbedded)->disable_flag_override();
    }
    sub->add_flag("--recursive", request.recursive)->disable_flag_override();
    sub->add_option("PROGRAM", request.programs)->required();
    sub->callback([&request, command = each.command] { request.command = command; });
  }

  ParsedCommandLine parsed;
  // The parser reports help, the version and mistakes by throwing; none of
  // it leaves this function.
  try {
    // "--" before the command ends the options there, as it does after it;
    // the command still follows.
    const auto first = !arguments.empty() && arguments.front() == "--" ? arguments.begin() + 1 : arguments.begin();
    std::vector<std::string> reversed(arguments.rbegin(), std::make_reverse_iterator(first));
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    parsed.out = HelpText(selectedCommand(app));
    return parsed;
  } catch (const CLI::CallForVersion&) {
    parsed.out = VersionText();
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.exitCode = kExitUsage;
    parsed.err = usageError(error, arguments);
    return parsed;
  } catch (const std::exception& error) {
    parsed.exitCode = kExitUsage;
    parsed.err = std::string("kovrena-cli: ") + error.what() + "\n";
    return parsed;
  }
  parsed.request = std::move(request);
  return parsed;
}

}  // namespace kovrena::cli
