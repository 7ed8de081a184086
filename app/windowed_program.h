#pragma once

#include <QString>

class QApplication;

namespace zrt {

struct WindowOptions {
    QString dialUpKind = QStringLiteral("ppp"); // ppp, sim:FOLDER or none
    QString dataDir;                            // empty: the usual data folder
};

// Runs the program with its windows until the user ends it: one meter per
// database file. A second start on the same file brings the running
// meter's strip to the front and returns 0, or returns 3 when that meter
// has no windows. Returns 1 after
// telling the user when the dial-up kind, the data folder or the database
// cannot be used.
int runWindows(QApplication& application, const WindowOptions& options);

} // namespace zrt
