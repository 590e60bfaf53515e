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
};

// Every picture and cursor with its resource id, in id order.
std::vector<ArtworkFile> drawAll();

// The pictures.txt and cursors.txt tables for those files.
QString picturesTable(const std::vector<ArtworkFile>& files);
QString cursorsTable(const std::vector<ArtworkFile>& files);
// The Qt resource file listing the string table, both tables and every file.
QString resourceFile(const std::vector<ArtworkFile>& files);

} // namespace kelvppvw::artwork
