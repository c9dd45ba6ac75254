#include "app/ZipPackager.h"

#include <zip.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "app/RunContext.h"

const QString ZipPackager::kCaption = QStringLiteral("Atenção");

namespace {

// The extension as the old file routines took it: from the last "." before the final character,
// provided no folder separator follows it.
QString extensionOf(const QString& path) {
    if (path.size() < 2)
        return QString();
    const qsizetype dot = path.lastIndexOf(u'.', path.size() - 2);
    if (dot < 0)
        return QString();
    const QString ext = path.mid(dot);
    if (ext.contains(u'/') || ext.contains(u'\\'))
        return QString();
    return ext;
}

QString libzipError(zip_t* archive) {
    return QString::fromLocal8Bit(zip_strerror(archive));
}

void collect(const QString& folder, QStringList* files) {
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& f : entries) {
        if (f.fileName().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            files->append(f.filePath());
    }
    const QFileInfoList subfolders =
        dir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                          QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& d : subfolders)
        collect(d.filePath(), files);
}

}  // namespace

QString ZipPackager::archiveName(const QString& folder, const QString& Mes,
                                 const QString& Exercicio) {
    return folder + QStringLiteral("PREST") + Mes + Exercicio.mid(2, 2) + QStringLiteral(".ZIP");
}

QStringList ZipPackager::textFiles(const QString& folder) {
    QStringList files;
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        collect(folder, &files);
    return files;
}

std::optional<QString> ZipPackager::DefineArquivoZip(const QString& path, bool ask) {
    QString archive = path;
    if (extensionOf(archive).compare(QStringLiteral(".zip"), Qt::CaseInsensitive) != 0)
        archive += QStringLiteral(".zip");
    if (ask && QFileInfo::exists(archive)) {
        const bool replace =
            observer_.askYesNo({QStringLiteral("Confirmação"),
                                QStringLiteral("Substituir Arquivo Existente: ") + archive + u'?',
                                MessageIcon::Question},
                               true);
        if (!replace)
            return std::nullopt;
        QFile::remove(archive);
    }
    return archive;
}

PackResult ZipPackager::Compacta(const RunContext& c) {
    return Compacta(c.arquivo().folder(), c.Mes, c.Exercicio);
}

PackResult ZipPackager::Compacta(const QString& folder, const QString& Mes,
                                 const QString& Exercicio) {
    PackResult result;
    const std::optional<QString> archive =
        DefineArquivoZip(archiveName(folder, Mes, Exercicio), true);
    if (!archive) {
        result.status = PackResult::Status::Declined;
        return result;
    }
    result.archivePath = *archive;
    result.caption = QDir::toNativeSeparators(QFileInfo(*archive).absolutePath());

    auto fail = [&](const QString& error) {
        result.status = PackResult::Status::Failed;
        result.added.clear();
        result.error = error;
        QString text = QStringLiteral("Erro ao Adicionar os Arquivos");
        if (!error.isEmpty())
            text += QStringLiteral("\n") + error;
        observer_.showMessage({QString(), text, MessageIcon::None});
        return result;
    };

    if (QFileInfo::exists(*archive))
        return fail(QStringLiteral("Não foi possível apagar o arquivo ") + *archive);
    const QStringList files = textFiles(folder);
    if (files.isEmpty())
        return fail(QString());

    int zipError = 0;
    zip_t* zip =
        zip_open(QFile::encodeName(*archive).constData(), ZIP_CREATE | ZIP_EXCL, &zipError);
    if (!zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, zipError);
        const QString why = QString::fromLocal8Bit(zip_error_strerror(&e));
        zip_error_fini(&e);
        return fail(*archive + QStringLiteral(": ") + why);
    }
    // The court's archive must not hold two entries of one name; Windows names ignore case.
    QSet<QString> names;
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        if (names.contains(name.toUpper())) {
            result.skipped << QDir::toNativeSeparators(path);
            continue;
        }
        zip_source_t* source = zip_source_file(zip, QFile::encodeName(path).constData(), 0, -1);
        if (!source) {
            const QString why = path + QStringLiteral(": ") + libzipError(zip);
            zip_discard(zip);
            return fail(why);
        }
        const zip_int64_t index =
            zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            const QString why = path + QStringLiteral(": ") + libzipError(zip);
            zip_discard(zip);
            return fail(why);
        }
        if (zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0) {
            const QString why = libzipError(zip);
            zip_discard(zip);
            return fail(why);
        }
        names.insert(name.toUpper());
        result.added << name;
    }
    if (zip_close(zip) != 0) {
        const QString why = *archive + QStringLiteral(": ") + libzipError(zip);
        zip_discard(zip);
        QFile::remove(*archive);
        return fail(why);
    }

    result.status = PackResult::Status::Packed;
    QString text = QStringLiteral("Arquivo Zip Gerado com Sucesso!");
    if (!result.skipped.isEmpty()) {
        text += QStringLiteral(
                    "\n\nNão incluídos, por já haver no arquivo compactado outro de mesmo "
                    "nome:\n") +
                result.skipped.join(u'\n');
    }
    observer_.showMessage({kCaption, text, MessageIcon::Warning});
    return result;
}
