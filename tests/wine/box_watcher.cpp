// Runs programs as a reader would: with a text copied to the clipboard first, if asked, and their
// message boxes answered with OK from outside, as a reader clicks them. One Wine session runs a
// whole table of such jobs, as starting Wine for each takes seconds.
// usage: box_watcher.exe JOBS_FILE
// JOBS_FILE is UTF-8, a job a line, its fields separated by tabs:
//     FOLDER  CLIPBOARD_FILE  OUTPUT_FILE  BOXES_FILE  PROGRAM  [ARGUMENTS...]
// The program starts in FOLDER with the UTF-8 text of CLIPBOARD_FILE ("-": none) on the
// clipboard, and its standard input from the file of an argument written "<FILE" (as a shell
// redirects it; none: this program's); its output goes to OUTPUT_FILE as it writes it, and its
// boxes' captions and texts to
// BOXES_FILE in UTF-8 as "[caption]\ntext\n", the form package_host prints. For each job, one
// line "exit STATUS" is printed. Ends with 125 when a job cannot run or does not end.
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD Patience = 60000;

std::string Utf8Of(const std::wstring &wide) {
    const int size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::wstring WideOf(const std::string &utf8) {
    const int size = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], units);
    return wide;
}

bool ReadFileText(const std::wstring &path, std::string &bytes) {
    FILE *in = _wfopen(path.c_str(), L"rb");
    if (in == nullptr) {
        return false;
    }
    char piece[4096];
    for (size_t got; (got = std::fread(piece, 1, sizeof piece, in)) > 0;) {
        bytes.append(piece, got);
    }
    std::fclose(in);
    return true;
}

bool WriteFileText(const std::wstring &path, const std::string &bytes) {
    FILE *out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return true;
}

bool CopyToClipboard(const std::wstring &file) {
    std::string utf8;
    if (!ReadFileText(file, utf8)) {
        return false;
    }
    const std::wstring text = WideOf(utf8);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto *copy = static_cast<wchar_t *>(GlobalLock(data));
    std::wmemcpy(copy, text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    if (OpenClipboard(nullptr) == FALSE) {
        return false;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    CloseClipboard();
    return set;
}

std::vector<std::wstring> Fields(const std::wstring &line) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find(L'\t', start)) != std::wstring::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// The program and its arguments, each quoted.
std::wstring CommandLine(const std::vector<std::wstring> &fields, size_t first) {
    std::wstring line;
    for (size_t i = first; i < fields.size(); ++i) {
        line += (i > first ? L" \"" : L"\"") + fields[i] + L"\"";
    }
    return line;
}

struct Search {
    DWORD Process;
    HWND Box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto *search = reinterpret_cast<Search *>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == search->Process && std::wcscmp(className, L"#32770") == 0 &&
        IsWindowVisible(window) != FALSE) {
        search->Box = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring TextOf(HWND window) {
    std::vector<wchar_t> text(1 << 16);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// Records the box and clicks OK, then waits for it to close.
void Answer(HWND box, std::string &boxes) {
    boxes += "[" + Utf8Of(TextOf(box)) + "]\n" + Utf8Of(TextOf(GetDlgItem(box, 0xFFFF))) + "\n";
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    for (int waited = 0; IsWindow(box) != FALSE && waited < 1000; ++waited) {
        Sleep(10);
    }
}

HANDLE InputFile(const std::wstring &path) {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherited, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The job's input file, taken out of its arguments; empty when it has none.
std::wstring TakeInput(std::vector<std::wstring> &job) {
    for (size_t i = 5; i < job.size(); ++i) {
        if (!job[i].empty() && job[i][0] == L'<') {
            const std::wstring path = job[i].substr(1);
            job.erase(job.begin() + static_cast<std::ptrdiff_t>(i));
            return path;
        }
    }
    return {};
}

HANDLE OutputFile(const std::wstring &path) {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs one job; its exit status, or -1 when it cannot run or does not end.
int RunJob(std::vector<std::wstring> job) {
    if (job.size() < 5 || (job[1] != L"-" && !CopyToClipboard(job[1]))) {
        return -1;
    }
    const std::wstring inputPath = TakeInput(job);
    HANDLE input = inputPath.empty() ? nullptr : InputFile(inputPath);
    if (input == INVALID_HANDLE_VALUE) {
        return -1;
    }
    HANDLE output = OutputFile(job[2]);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input != nullptr ? input : GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION child = {};
    std::wstring line = CommandLine(job, 4);
    const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        job[0].c_str(), &startup, &child);
    CloseHandle(output);
    if (input != nullptr) {
        CloseHandle(input);
    }
    if (started == FALSE) {
        return -1;
    }
    std::string boxes;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(child.hProcess, 20) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > Patience) {
            TerminateProcess(child.hProcess, 125);
            return -1;
        }
        Search search = {child.dwProcessId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.Box != nullptr) {
            Answer(search.Box, boxes);
        }
    }
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    return WriteFileText(job[3], boxes) ? static_cast<int>(status) : -1;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    std::string jobs;
    if (argc != 2 || !ReadFileText(argv[1], jobs)) {
        std::fprintf(stderr, "usage: box_watcher JOBS_FILE\n");
        return 125;
    }
    const std::wstring table = WideOf(jobs);
    size_t start = 0;
    for (size_t end; (end = table.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        std::wstring line = table.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        const int status = RunJob(Fields(line));
        if (status < 0) {
            std::fprintf(stderr, "box_watcher: cannot run %s\n", Utf8Of(line).c_str());
            return 125;
        }
        std::printf("exit %d\n", status);
        std::fflush(stdout);
    }
    return 0;
}
