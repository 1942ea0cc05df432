#pragma once
// The picture the wind region map shows: the owner's map from the program's
// folder ("map1.svg", else "map1.png") or, when there is none or it cannot be
// read, the neutral placeholder built into the program.

#include <QImage>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace input {

// Where the placeholder lives among the program's resources.
inline constexpr char PlaceholderMapResource[] = ":/input/wind_region_map_placeholder.svg";

class MapPicture {
public:
    // The owner's map in `folder`, or the placeholder; never fails.
    static MapPicture load(const QString &folder);

    // The file or resource path the picture was read from.
    const QString &source() const { return source_; }
    bool isPlaceholder() const { return source_ == QLatin1String(PlaceholderMapResource); }
    bool isValid() const;

    // Draws the whole picture stretched to `target`.
    void paint(QPainter &painter, const QRectF &target) const;

private:
    bool read(const QString &path);

    QString source_;
    std::shared_ptr<QSvgRenderer> svg_;
    QImage image_;
};

} // namespace input
