// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Times Windows programs from their start until a visible window of theirs with a given title
// exists, and reads their peak memory at that moment; then closes the window and waits for the
// program to end. The programs take turns, round after round, after one round that is not
// counted. Prints each program's medians and the median of its ratios to the first program's
// run of the same round.
// Usage: win32_first_window ROUNDS NAME TITLE COMMAND_LINE [NAME TITLE COMMAND_LINE]...
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Measure {
    double milliseconds;
    double kibibytes;
};

struct Program {
    std::wstring name;
    std::wstring title;
    std::wstring commandLine;
    std::vector<Measure> runs;
};

[[noreturn]] void fail(const std::wstring& why)
{
    std::fwprintf(stderr, L"FAIL: %ls\n", why.c_str());
    std::exit(EXIT_FAILURE);
}

HWND visibleWindow(DWORD process, const std::wstring& title)
{
    struct Search {
        DWORD process;
        const std::wstring& title;
        HWND found;
    } search{process, title, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM searched) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(searched);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t text[64]{};
            GetWindowTextW(hwnd, text, 64);
            if (owner != search.process || !IsWindowVisible(hwnd) || search.title != text)
                return TRUE;
            search.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double secondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

Measure run(const Program& program)
{
    std::wstring commandLine = program.commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        fail(L"cannot start " + program.name);
    HWND window = nullptr;
    // The process's own handle doubles as the pause between looks: it wakes the loop if the
    // program ends first.
    while (!(window = visibleWindow(process.dwProcessId, program.title))) {
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            fail(program.name + L" ended without a window titled \"" + program.title + L"\"");
        if (secondsSince(start) > 60)
            fail(program.name + L" showed no window in a minute");
    }
    const double seconds = secondsSince(start);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (!GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory)) ||
        memory.PeakWorkingSetSize == 0)
        fail(L"cannot read the memory of " + program.name);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        fail(program.name + L" did not end when its window was closed");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {seconds * 1000, double(memory.PeakWorkingSetSize) / 1024};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template<typename Pick> std::vector<double> each(const std::vector<Measure>& runs, Pick pick)
{
    std::vector<double> values;
    for (const Measure& measure : runs)
        values.push_back(pick(measure));
    return values;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 8 || (argc - 2) % 3 != 0)
        fail(
            L"usage: win32_first_window ROUNDS NAME TITLE COMMAND_LINE NAME TITLE COMMAND_LINE...");
    const int rounds = std::wcstol(argv[1], nullptr, 10);
    std::vector<Program> programs;
    for (int i = 2; i < argc; i += 3)
        programs.push_back({argv[i], argv[i + 1], argv[i + 2], {}});
    for (Program& program : programs)
        run(program); // warms the caches; not counted
    for (int round = 0; round < rounds; ++round)
        for (Program& program : programs)
            program.runs.push_back(run(program));

    const auto& floor = programs.front().runs;
    std::wprintf(L"%-24ls %12ls %12ls %10ls %10ls\n", L"program", L"ms", L"peak KiB", L"ms / 1st",
                 L"KiB / 1st");
    for (const Program& program : programs) {
        std::vector<double> timeRatios;
        std::vector<double> memoryRatios;
        for (std::size_t i = 0; i < floor.size(); ++i) {
            timeRatios.push_back(program.runs[i].milliseconds / floor[i].milliseconds);
            memoryRatios.push_back(program.runs[i].kibibytes / floor[i].kibibytes);
        }
        std::wprintf(L"%-24ls %12.1f %12.0f %10.3f %10.3f\n", program.name.c_str(),
                     median(each(program.runs, [](const Measure& m) { return m.milliseconds; })),
                     median(each(program.runs, [](const Measure& m) { return m.kibibytes; })),
                     median(timeRatios), median(memoryRatios));
    }
    std::wprintf(L"medians of %d rounds; the ratios are medians of each round's ratio\n", rounds);
    return EXIT_SUCCESS;
}
