#pragma once

#include <QWidget>

class QLabel;

namespace zrt {

// The information page of the control library: its title, a short
// description, its version and a picture kept at the bottom-left corner.
class AboutPropertiesPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPropertiesPage(QWidget* parent = nullptr);

    QLabel& picture() const { return *picture_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* picture_;
};

} // namespace zrt
