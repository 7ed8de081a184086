#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <type_traits>
#include <utility>

namespace zrt {

// Where a control keeps its design-time properties in its host: values by
// name. A value equal to its default is not written, and names are matched
// regardless of case when read, so "Value" and "value" are the same entry.
class PropertyBag
{
public:
    virtual ~PropertyBag() = default;

    void write(const QString& name, const QVariant& value, const QVariant& defaultValue = {});
    QVariant read(const QString& name, const QVariant& defaultValue = {}) const;

    // Styles and other named values are stored as their plain numbers.
    template <typename Enum>
        requires std::is_enum_v<Enum>
    void write(const QString& name, Enum value, Enum defaultValue)
    {
        write(name, static_cast<int>(value), static_cast<int>(defaultValue));
    }
    template <typename Enum>
        requires std::is_enum_v<Enum>
    Enum read(const QString& name, Enum defaultValue) const
    {
        return static_cast<Enum>(read(name, static_cast<int>(defaultValue)).toInt());
    }

protected:
    virtual void store(const QString& name, const QVariant& value) = 0;
    virtual std::optional<QVariant> find(const QString& name) const = 0;
};

// A property bag in memory that keeps the order in which names were written.
class PropertyMap : public PropertyBag
{
public:
    QStringList names() const;
    bool contains(const QString& name) const { return find(name).has_value(); }

protected:
    void store(const QString& name, const QVariant& value) override;
    std::optional<QVariant> find(const QString& name) const override;

private:
    QList<std::pair<QString, QVariant>> entries_;
};

} // namespace zrt
