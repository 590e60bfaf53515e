#include "platform/forms/ResourceStore.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/RasterPicture.h"

#include <QFile>
#include <QImage>

namespace kelvppvw {

namespace {

std::string unescape(const QString& text) {
    std::string out;
    const std::string s = text.toStdString();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        switch (s[++i]) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        default: out += s[i]; break;
        }
    }
    return out;
}

// "images/zoom.png" -> "images/zoom@2x.png", the name Qt's own resource
// loading gives double-size variants.
QString doubleSizeFile(const QString& file) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > file.lastIndexOf(QLatin1Char('/')) ? file.left(dot) + QStringLiteral("@2x") + file.mid(dot)
                                                    : file + QStringLiteral("@2x");
}

} // namespace

ResourceStore::ResourceStore(std::string root) : root_(std::move(root)) {}

const ResourceStore& ResourceStore::standard() {
    static const ResourceStore store;
    return store;
}

const ResourceStore::Table& ResourceStore::table(const std::string& file, Table& cache, bool& loaded) const {
    if (loaded)
        return cache;
    loaded = true;
    QFile f(qs(root_ + "/" + file));
    if (!f.open(QIODevice::ReadOnly))
        return cache; // no table: every id is missing
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int id = fields[0].trimmed().toInt(&ok);
        if (!ok || fields.size() < 2)
            continue; // a malformed line is skipped, never fatal
        Entry e{unescape(fields[1]), -1, -1};
        if (fields.size() >= 4) {
            e.hotX = fields[2].toInt();
            e.hotY = fields[3].toInt();
        }
        cache.emplace(id, std::move(e)); // the first definition of an id wins
    }
    return cache;
}

const ResourceStore::Entry& ResourceStore::find(const Table& t, int id) const {
    const auto it = t.find(id);
    if (it == t.end())
        throw AutomationError(err::ResourceNotFound, "Resource with identifier '" + std::to_string(id) + "' not found");
    return it->second;
}

std::string ResourceStore::LoadResString(int id) const {
    return find(table("strings.txt", strings_, stringsLoaded_), id).text;
}

std::shared_ptr<RasterPicture> ResourceStore::LoadResCursor(int id) const {
    // The page view asks for its cursor on every zoom; decode each file once.
    if (const auto known = loadedCursors_.find(id); known != loadedCursors_.end())
        return known->second;
    const Entry& e = find(table("cursors.txt", cursors_, cursorsLoaded_), id);
    auto cursor = load(id, e.text, 3);
    if (e.hotX >= 0)
        cursor->setHotSpot(e.hotX, e.hotY);
    loadedCursors_[id] = cursor;
    return cursor;
}

std::shared_ptr<RasterPicture> ResourceStore::LoadResPicture(int id) const {
    return load(id, find(table("pictures.txt", pictures_, picturesLoaded_), id).text, 1);
}

std::shared_ptr<RasterPicture> ResourceStore::load(int id, const std::string& file, int16_t type) const {
    const QString path = qs(root_ + "/" + file);
    QImage image(path);
    if (image.isNull())
        throw AutomationError(err::ResourceNotFound, "Resource with identifier '" + std::to_string(id) + "' not found");
    auto picture = std::make_shared<RasterPicture>(image, type);
    // The double-size twin is optional: without it, high-density screens scale.
    if (const QImage twin(doubleSizeFile(path)); !twin.isNull())
        picture->setDoubleSize(twin);
    return picture;
}

} // namespace kelvppvw
