// Start-up cost of the updater and of the core library, each against a plain Qt program that
// shows a dialog of the same size and quits, run in alternation on the same display; medians
// of the wall time from process start to exit (the program quits once its window is shown) and
// of the peak resident memory (from wait4).
//
//   FIGURE kwupdate_start_ratio <KwUpdate / plain dialog, start to shown>
//   FIGURE kwupdate_peak_ratio <KwUpdate / plain dialog, peak resident memory>
//   FIGURE core_link_start_ratio <plain dialog linked with KwControlsCore / plain dialog>
//   FIGURE web_link_start_ratio, web_link_peak_ratio <the same linked with KwControls / plain>
//   FIGURE kwupdate_text_start_ratio, kwupdate_text_peak_ratio <KwUpdate / the plain dialog
//          showing one sentence: what the updater costs beyond loading the fonts>
//   FIGURE kwupdate_start_ms, plain_start_ms, kwupdate_peak_mb, plain_peak_mb

#include <QByteArray>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Rounds = 15;

struct Sample
{
    double ms = 0;
    double peakMb = 0;
};

// Starts `program`, waits for it, and returns its wall time and peak resident memory; exits the
// benchmark when the program fails, since a figure from a failed run means nothing.
Sample run(const char *program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void figure(const char *name, double value)
{
    std::printf("FIGURE %s %.3f\n", name, value);
}

} // namespace

int main()
{
    // The updater runs with a throw-away all-users folder and no parameters: it shows its window
    // (the failure page) as quickly as with them, and nothing is downloaded.
    QTemporaryDir allUsers;
    setenv("KW_ALLUSERS_DIR", allUsers.path().toLocal8Bit().constData(), 1);
    setenv("KW_UPDATE_QUIT_WHEN_SHOWN", "1", 1);

    const char *programs[] = {KW_PLAIN_DIALOG, KW_CORE_DIALOG, KW_UPDATE, KW_WEB_DIALOG, KW_TEXT_DIALOG};
    constexpr int Count = sizeof programs / sizeof *programs;
    for (const char *program : programs)
        run(program); // warm the file cache first
    // Each round runs every program once, starting with a different one, so that a slow moment
    // of the machine falls on all of them alike.
    std::vector<double> ms[Count], mb[Count];
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; i < Count; ++i) {
            const int which = (i + round) % Count;
            const Sample s = run(programs[which]);
            ms[which].push_back(s.ms);
            mb[which].push_back(s.peakMb);
        }
    }
    const double plainMs = median(ms[0]), coreMs = median(ms[1]), updateMs = median(ms[2]), webMs = median(ms[3]);
    const double textMs = median(ms[4]);
    const double plainMb = median(mb[0]), updateMb = median(mb[2]), webMb = median(mb[3]), textMb = median(mb[4]);
    figure("plain_start_ms", plainMs);
    figure("kwupdate_start_ms", updateMs);
    figure("plain_peak_mb", plainMb);
    figure("kwupdate_peak_mb", updateMb);
    figure("kwupdate_start_ratio", updateMs / plainMs);
    figure("kwupdate_peak_ratio", updateMb / plainMb);
    figure("core_link_start_ratio", coreMs / plainMs);
    figure("web_link_start_ratio", webMs / plainMs);
    figure("web_link_peak_ratio", webMb / plainMb);
    figure("text_start_ms", textMs);
    figure("kwupdate_text_start_ratio", updateMs / textMs);
    figure("kwupdate_text_peak_ratio", updateMb / textMb);
    return 0;
}
