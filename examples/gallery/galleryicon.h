#pragma once
#include <QIcon>

// The gallery's own icon: three rising candles on a gold tile. It is painted at whatever size
// and pixel ratio is asked for, so it stays sharp on any screen without image files.
QIcon galleryIcon();
