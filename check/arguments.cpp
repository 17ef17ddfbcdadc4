#include "check/arguments.h"

namespace {

// The option's name as written, in any case; option names are ASCII.
bool SameName(const WideText &written, size_t from, const char *name) {
    size_t at = from;
    for (; at < written.size() && *name != '\0'; ++at, ++name) {
        const WCHAR c = written[at];
        const WCHAR lower = c >= L'A' && c <= L'Z' ? static_cast<WCHAR>(c + 32) : c;
        if (lower != static_cast<WCHAR>(*name)) {
            return false;
        }
    }
    return at == written.size() && *name == '\0';
}

// "/show", "-show" or "--show", in any case.
bool IsOption(const WideText &argument, const char *name) {
    size_t from = 0;
    if (!argument.empty() && argument[0] == L'/') {
        from = 1;
    } else if (argument.size() > 1 && argument[0] == L'-') {
        from = argument[1] == L'-' ? 2 : 1;
    }
    return from > 0 && SameName(argument, from, name);
}

// Anything else that opens with a slash or a dash is an option too, one this program lacks.
bool LooksLikeOption(const WideText &argument) {
    return !argument.empty() &&
           (argument[0] == L'/' || (argument[0] == L'-' && argument.size() > 1));
}

void TakeWrong(CheckArguments &arguments, const WideText &argument) {
    if (!arguments.IsWrong) {
        arguments.Wrong = argument;
        arguments.IsWrong = true;
    }
}

} // namespace

CheckArguments ParseArguments(const std::vector<WideText> &given) {
    CheckArguments arguments;
    for (const WideText &argument : given) {
        if (IsOption(argument, "show")) {
            arguments.Show = true;
        } else if (IsOption(argument, "setup")) {
            arguments.Setup = true;
        } else if (IsOption(argument, "?") || IsOption(argument, "h") ||
                   IsOption(argument, "help")) {
            arguments.Help = true;
        } else if (LooksLikeOption(argument)) {
            TakeWrong(arguments, argument);
        } else {
            arguments.Files.push_back(argument);
        }
    }
    if (!arguments.Setup && arguments.Files.size() > 1) {
        TakeWrong(arguments, arguments.Files[1]);
    }
    return arguments;
}
