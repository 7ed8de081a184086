#include "controls/property_bag.h"

#include <algorithm>

namespace zrt {

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (value != defaultValue)
        store(name, value);
}

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const
{
    return find(name).value_or(defaultValue);
}

QStringList PropertyMap::names() const
{
    QStringList result;
    for (const auto& entry : entries_)
        result << entry.first;
    return result;
}

void PropertyMap::store(const QString& name, const QVariant& value)
{
    const auto sameName = [&](const auto& entry) {
        return entry.first.compare(name, Qt::CaseInsensitive) == 0;
    };
    const auto existing = std::find_if(entries_.begin(), entries_.end(), sameName);
    if (existing != entries_.end())
        existing->second = value;
    else
        entries_.append({name, value});
}

std::optional<QVariant> PropertyMap::find(const QString& name) const
{
    for (const auto& entry : entries_) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return std::nullopt;
}

} // namespace zrt
