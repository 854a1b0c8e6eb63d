#pragma once

// The update window's style sheet names its face as Windows does, "微软雅黑". Where no face of
// that name is installed (Linux, macOS), Qt would draw the Latin letters in the default face
// and the Chinese ones in a fallback face that fontconfig sorts out of every installed font,
// loading two faces for one line. Naming the usual Chinese sans faces of those systems as
// stand-ins lets the first one installed draw the whole text, as the Windows face does. Where
// the face exists, the stand-ins are never asked for. Call before the window is made.
void installUpdaterFontSubstitutes();
