#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace zrt::gallery {

// One control in one state. pose puts it into that state once its window
// is shown (hover and press need a live widget).
struct Sample {
    QString name;
    QWidget* widget = nullptr;
    std::function<void()> pose;
};

struct SampleGroup {
    QString title;
    QList<Sample> samples;
};

// Every control of the library in its states, parented to parent.
QList<SampleGroup> makeSampleGroups(QWidget* parent);

} // namespace zrt::gallery
