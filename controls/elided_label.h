#pragma once

#include <QLabel>
#include <QString>

namespace zrt {

// A one-line label that shows as much of its text as fits, ending in "…"
// when cut, and the whole text as its tooltip then. Its width follows the
// layout, not the text.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The whole text; text() is what is shown.
    QString fullText() const { return fullText_; }
    void setFullText(const QString& text);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void elide();

    QString fullText_;
};

} // namespace zrt
