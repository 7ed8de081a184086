#pragma once

#include "ui/common/user_messages.h"

#include <QStringList>

#include <functional>

namespace zrt::test {

// Keeps every notice and warning, and answers questions as told.
class RecordingMessages final : public UserMessages {
public:
    void inform(QWidget*, const QString& text) override { notices.append(text); }
    void warn(QWidget*, const QString& text) override { warnings.append(text); }
    bool ask(QWidget*, const QString&, const QString&) override
    {
        ++questions;
        if (whileAsking)
            whileAsking();
        return answer;
    }

    bool answer = false;
    int questions = 0;
    std::function<void()> whileAsking;
    QStringList notices;
    QStringList warnings;
};

} // namespace zrt::test
