#pragma once

#include <QIcon>
#include <QPixmap>

#include "output/RunObserver.h"

// The four state pictures of the generated-file list and its legend, drawn rather than loaded so
// the program carries no image files: warning triangle, green check, database, hourglass.
class StateImages {
public:
    static QPixmap pixmap(FileState state, int size = 16);
    static QIcon icon(FileState state);
    // The court's emblem in the header band and the publisher's in the left band.
    static QPixmap courtLogo(int size);
    static QPixmap publisherLogo(int size);
};
