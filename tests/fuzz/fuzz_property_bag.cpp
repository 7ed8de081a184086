// Stored control properties read back from a bag holding anything: wrong
// types, huge or negative numbers, long texts. Every control must come out
// usable and paintable.
#include "controls/segment_display.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/link_label.h"
#include "controls/property_bag.h"
#include "controls/separator.h"

#include <QApplication>
#include <QPixmap>

#include <cstdint>

namespace {

const char* const kNames[] = {"Value",    "ForeColor", "BackColor", "Altezza",  "Caption",   "Style",
                              "Alignment", "CaptionDirection", "manual", "XCaption", "YCaption", "Picture",
                              "hyperlink", "MousePointer", "MouseIcon", "LineCleearColor", "LineDarkColor",
                              "DropDownValue", "value", "CAPTION"};

// Reads the fuzzer's bytes as a list of (name, value) entries.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return position_ >= size_; }
    std::uint8_t byte() { return done() ? 0 : data_[position_++]; }
    std::int64_t number()
    {
        std::int64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value = (value << 8) | byte();
        return value;
    }
    QByteArray bytes()
    {
        // The length byte is read before the bytes left are counted.
        const std::size_t wanted = byte() * 16u;
        const std::size_t length = std::min(wanted, size_ - std::min(position_, size_));
        QByteArray result(reinterpret_cast<const char*>(data_ + position_), static_cast<qsizetype>(length));
        position_ += length;
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

QVariant valueFrom(ByteReader& reader)
{
    switch (reader.byte() % 6) {
    case 0: return QVariant::fromValue(reader.number());
    case 1: return QVariant(static_cast<int>(reader.number()));
    case 2: return QVariant(static_cast<double>(reader.number()) / 7.0);
    case 3: return QVariant(QString::fromUtf8(reader.bytes()));
    case 4: return QVariant(reader.bytes());
    default: return QVariant(reader.byte() % 2 == 0);
    }
}

class FuzzBag : public zrt::PropertyMap {
public:
    void put(const QString& name, const QVariant& value) { store(name, value); }
};

template <typename Control>
void readAndPaint(const zrt::PropertyBag& bag)
{
    Control control;
    control.resize(120, 40);
    control.readProperties(bag);
    control.grab();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    FuzzBag bag;
    while (!reader.done()) {
        const char* name = kNames[reader.byte() % std::size(kNames)];
        bag.put(QString::fromLatin1(name), valueFrom(reader));
    }
    readAndPaint<zrt::SegmentDisplay>(bag);
    readAndPaint<zrt::FlatButton>(bag);
    readAndPaint<zrt::DropDownButton>(bag);
    readAndPaint<zrt::LinkLabel>(bag);
    readAndPaint<zrt::Separator>(bag);
    return 0;
}
