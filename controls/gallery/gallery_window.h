#pragma once

#include "samples.h"

#include <QWidget>

class QDir;

namespace zrt::gallery {

// A window showing every control of the library in its states.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    // Puts the samples into their states; call once the window is shown.
    void poseSamples();

    // Writes each sample, and the whole window as "gallery", as a PNG file
    // into dir. Returns the names of the files that could not be written.
    QStringList writePngs(const QDir& dir);

private:
    QList<SampleGroup> groups_;
};

} // namespace zrt::gallery
