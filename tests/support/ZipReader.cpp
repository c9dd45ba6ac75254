#include "support/ZipReader.h"

#include <zip.h>

#include <QFile>
#include <stdexcept>

std::vector<ZipEntry> readZip(const QString& path) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip)
        throw std::runtime_error("cannot open archive " + path.toStdString());
    std::vector<ZipEntry> entries;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0)
            throw std::runtime_error("cannot stat entry");
        ZipEntry e;
        e.name = QString::fromUtf8(st.name);
        e.method = int(st.comp_method);
        zip_file_t* f = zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (!f)
            throw std::runtime_error("cannot open entry");
        e.content.resize(qsizetype(st.size));
        if (zip_fread(f, e.content.data(), st.size) != zip_int64_t(st.size))
            throw std::runtime_error("short entry");
        zip_fclose(f);
        entries.push_back(e);
    }
    zip_discard(zip);
    return entries;
}
