#include "gallery_window.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace zrt::gallery {
namespace {

QWidget* captioned(const Sample& sample, QWidget* parent)
{
    auto* cell = new QWidget(parent);
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sample.widget, 0, Qt::AlignHCenter);
    auto* name = new QLabel(sample.name, cell);
    name->setAlignment(Qt::AlignHCenter);
    layout->addWidget(name);
    layout->addStretch();
    return cell;
}

} // namespace

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent), groups_(makeSampleGroups(this))
{
    setWindowTitle(QStringLiteral("ZRButtonTool"));
    auto* layout = new QVBoxLayout(this);
    for (const SampleGroup& group : groups_) {
        auto* box = new QGroupBox(group.title, this);
        auto* row = new QHBoxLayout(box);
        for (const Sample& sample : group.samples)
            row->addWidget(captioned(sample, box));
        row->addStretch();
        layout->addWidget(box);
    }
}

void GalleryWindow::poseSamples()
{
    for (const SampleGroup& group : groups_) {
        for (const Sample& sample : group.samples) {
            if (sample.pose)
                sample.pose();
        }
    }
}

QStringList GalleryWindow::writePngs(const QDir& dir)
{
    QStringList failed;
    const auto save = [&](QWidget& widget, const QString& name) {
        const QString file = dir.filePath(name + QStringLiteral(".png"));
        if (!widget.grab().save(file, "PNG"))
            failed << file;
    };
    for (const SampleGroup& group : groups_) {
        for (const Sample& sample : group.samples)
            save(*sample.widget, sample.name);
    }
    save(*this, QStringLiteral("gallery"));
    return failed;
}

} // namespace zrt::gallery
