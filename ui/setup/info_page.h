#pragma once

#include <QString>
#include <QWidget>

namespace zrt {

// The "Info ZR Tellix 99" page: the program's name and version and links
// to its web site and e-mail address.
class InfoPage : public QWidget {
    Q_OBJECT

public:
    explicit InfoPage(QWidget* parent = nullptr);
};

} // namespace zrt
