#pragma once
// The component's pictures, drawn in code so that they belong to this
// project and can be redrawn: toolbar images (normal and hot-tracking), the
// no-printer image, the printing animation and the magnifier cursors.
#include <QImage>
#include <QString>

#include <vector>

namespace kelvppvw::artwork {

struct ArtworkFile {
    int id = 0;       // resource id (pictures or cursors table)
    bool cursor = false;
    QString file;     // relative to the resource folder
    QImage image;
    QImage doubleSize; // the same drawing at twice the pixels, for screens at device pixel ratio 2
};

// Every picture and cursor with its resource id, in id order.
std::vector<ArtworkFile> drawAll();

// Where a file's double-size drawing goes: "images/zoom.png" -> "images/zoom@2x.png".
QString doubleSizeFile(const QString& file);
// The pictures.txt and cursors.txt tables for those files.
QString picturesTable(const std::vector<ArtworkFile>& files);
QString cursorsTable(const std::vector<ArtworkFile>& files);
// The Qt resource file listing the string table, both tables and every file.
QString resourceFile(const std::vector<ArtworkFile>& files);

} // namespace kelvppvw::artwork
