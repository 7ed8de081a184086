#pragma once

#include <QString>

namespace zrt {

inline const QString kProgramTitle = QStringLiteral("ZR Tellix 99");

// The questions and messages the windows put to the user.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Whether to insert the tariffs of an update that was found.
    virtual bool askTariffUpdate() = 0;
    // A notice with a single OK button.
    virtual void tell(const QString& message) = 0;
    // A failure the user has to know about.
    virtual void warn(const QString& message) = 0;
};

// The same as modal message boxes.
class MessageBoxes final : public UserDialogs {
public:
    bool askTariffUpdate() override;
    void tell(const QString& message) override;
    void warn(const QString& message) override;
};

} // namespace zrt
