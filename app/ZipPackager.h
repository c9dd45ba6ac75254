#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "output/RunObserver.h"

class RunContext;

// What one packaging did.
struct PackResult {
    enum class Status {
        Packed,    // the archive holds every text file of the folder (less same-named ones)
        Declined,  // the operator kept the existing archive; nothing was packed
        Failed,    // nothing added: no text file, or the archive could not be written
    };
    Status status = Status::Failed;
    QString archivePath;
    QStringList added;    // entry names, in the order added
    QStringList skipped;  // files left out: an entry of the same name was already added
    QString caption;      // the archive's folder, for the window caption; empty when not set
    QString error;        // why the archive could not be written
};

// Packs the text files of the output folder into "PREST" + month + two-digit year + ".ZIP" for
// delivery to the court: every ".TXT" of the folder and its subfolders (any case), names without
// folders, maximum deflate. Questions and closing messages go through the observer.
class ZipPackager {
public:
    explicit ZipPackager(RunObserver& observer) : observer_(observer) {}

    // folder + "PREST" + Mes + characters 3 and 4 of the year + ".ZIP".
    static QString archiveName(const QString& folder, const QString& Mes, const QString& Exercicio);

    // The archive path with ".zip" appended unless it ends so (any case). When asking and the
    // file exists, asks whether to replace it: Yes deletes it, No answers nothing and the file
    // stays as it is.
    std::optional<QString> DefineArquivoZip(const QString& path, bool ask);

    // Names the archive, asks before replacing one, adds the files and says how it went.
    PackResult Compacta(const QString& folder, const QString& Mes, const QString& Exercicio);
    PackResult Compacta(const RunContext& c);

    // The folder's text files, then its subfolders' in turn, each level sorted by name; symbolic
    // links to folders are not followed.
    static QStringList textFiles(const QString& folder);

    static const QString kCaption;  // "Atenção"

private:
    RunObserver& observer_;
};
