#include "cli/options.h"

#include <algorithm>
#include <iostream>
#include <limits>

#include "cli/command_registry.h"

namespace sl::cli {

std::string Options::Value(const std::string& name, const std::string& fallback) const {
  auto it = values_.find(name);
  return it == values_.end() ? fallback : it->second;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args,
                                    const std::vector<OptionDef>& defs, std::string& error) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
      error = "unexpected argument: " + arg;
      return std::nullopt;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> inlineValue;
    if (auto eq = name.find('='); eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    auto def = std::find_if(defs.begin(), defs.end(),
                             [&](const OptionDef& s) { return s.name == name; });
    if (def == defs.end()) {
      error = "unknown option: --" + name;
      return std::nullopt;
    }
    if (!def->takesValue) {
      if (inlineValue) {
        error = "option --" + name + " takes no value";
        return std::nullopt;
      }
      options.Set(name, "");
    } else if (inlineValue) {
      options.Set(name, *inlineValue);
    } else if (i + 1 < args.size()) {
      options.Set(name, args[++i]);
    } else {
      error = "option --" + name + " needs a value";
      return std::nullopt;
    }
  }
  for (const OptionDef& def : defs) {
    if (def.required && !options.Has(def.name)) {
      error = "missing option --" + def.name;
      return std::nullopt;
    }
  }
  return options;
}

namespace {

constexpr const char* kToolName = "stacklinks-tool";

}  // namespace

int UsageError(const std::string& usage, const std::string& message) {
  std::cerr << kToolName << ": " << message << "\nusage: " << kToolName << " " << usage << "\n";
  return kExitUsage;
}

int Failure(const std::string& message) {
  std::cerr << kToolName << ": " << message << "\n";
  return kExitFailed;
}

std::optional<int32_t> ParsePositiveNumber(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  long long value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  if (value < 1 || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace sl::cli
