#pragma once
// A small parser for "--name value" (or "--name=value") options of the subcommands.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sl::cli {

struct OptionDef {
  std::string name;  // without the leading "--"
  bool takesValue = true;
  bool required = false;
};

class Options {
 public:
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  // The option's value, or the fallback when it was not given.
  std::string Value(const std::string& name, const std::string& fallback = "") const;
  void Set(const std::string& name, std::string value) { values_[name] = std::move(value); }

 private:
  std::map<std::string, std::string> values_;
};

// Parses the arguments against the option definitions. On a usage error returns nullopt and sets error to a
// message for the user (unknown option, missing value, missing required option, stray word).
std::optional<Options> ParseOptions(const std::vector<std::string>& args,
                                    const std::vector<OptionDef>& defs, std::string& error);

// Prints "stacklinks-tool: message" and the subcommand's usage line to stderr; returns the
// usage-error exit code.
int UsageError(const std::string& usage, const std::string& message);

// Prints "stacklinks-tool: message" to stderr; returns the exit code of a failure.
int Failure(const std::string& message);

// A whole positive decimal number that fits 32 bits ("7", not "7x", "0" or "-1").
std::optional<int32_t> ParsePositiveNumber(const std::string& text);

}  // namespace sl::cli
