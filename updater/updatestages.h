#pragma once

// The numbers the worker, the window and the page controller exchange, named once.

// Progress of a run, on the bar's scale of 0 to 120: the download covers 10 to 110.
namespace UpdateProgress {
enum : int {
    Preparing = 0,
    DownloadStart = 10,
    Downloaded = 110,
    Complete = 120,
};
}

// What Updater::updateStep() reports.
namespace UpdateStep {
enum : int {
    Downloading = 0, // preparing or downloading
    DownloadOver = 1, // the download is over
    Replaced = 2, // the installation was replaced
};
}

// The controller's stacked pages.
namespace UpdatePage {
enum : int {
    Start = 0,
    Progress = 1,
    End = 2,
    Failure = 3,
};
}
