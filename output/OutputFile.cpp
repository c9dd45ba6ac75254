#include "output/OutputFile.h"

#include <QFileInfo>

#include "output/EnvironmentError.h"
#include "output/NumberFormat.h"
#include "output/Win1252.h"

namespace {

[[noreturn]] void ioError(const QString& what, const QFile& f) {
    throw EnvironmentError(QStringLiteral("Erro de entrada/saída ao %1 o arquivo %2: %3")
                               .arg(what, f.fileName(), f.errorString()));
}

void removeIfPresent(const QString& path) {
    QFile f(path);
    if (f.exists() && !f.remove())
        ioError(QStringLiteral("apagar"), f);
}

}  // namespace

OutputFile::OutputFile(RunObserver& observer, const Clock& clock)
    : observer_(observer), clock_(clock) {}

OutputFile::~OutputFile() = default;

QString OutputFile::logPath() const {
    return folder_ + QStringLiteral("log_erro_") + nomeLog_ + QStringLiteral(".dat");
}

void OutputFile::CRIAR_ARQ(const QString& baseName) {
    open(baseName + QStringLiteral(".TXT"), baseName);
}

void OutputFile::open(const QString& fileName, const QString& logName) {
    file_.reset();
    qtdErros_ = 0;
    nomeArquivo_ = fileName;
    nomeLog_ = logName;
    removeIfPresent(logPath());
    removeIfPresent(filePath());
    observer_.fileStarted(nomeArquivo_);
    observer_.processEvents();
    auto f = std::make_unique<QFile>(filePath());
    if (!f->open(QIODevice::WriteOnly | QIODevice::Truncate))
        ioError(QStringLiteral("criar"), *f);
    file_ = std::move(f);
}

void OutputFile::write(const QByteArray& bytes) {
    if (!file_)
        throw EnvironmentError(QStringLiteral("Nenhum arquivo de saída aberto"));
    if (file_->write(bytes) != bytes.size() || !file_->flush())
        ioError(QStringLiteral("gravar"), *file_);
}

void OutputFile::writeRecord(const QString& record) {
    write(Win1252::encodeRecord(record) + "\r\n");
}

void OutputFile::writeText(const QString& text) {
    write(Win1252::encodeRecord(text));
}

void OutputFile::Fecha_arq() {
    close(&OutputFile::sizeInKb);
}

void OutputFile::close(int (*sizeRule)(const QString& path)) {
    if (file_) {
        file_->close();
        if (file_->error() != QFileDevice::NoError)
            ioError(QStringLiteral("fechar"), *file_);
        file_.reset();
    }
    FileListLine line;
    line.name = nomeArquivo_;
    line.filePath = filePath();
    line.lines = QString::number(quantaslin(line.filePath) + 1);
    line.date = NumberFormat::shortDate(clock_.today());
    line.size = QString::number(sizeRule(line.filePath)) + QStringLiteral(" Kb");
    line.state = qtdErros_ != 0 ? FileState::Errors : FileState::Ok;
    if (qtdErros_ != 0)
        line.logPath = logPath();
    observer_.fileCompleted(line);
}

QString OutputFile::logLine(const QString& recordType, int sequence, const QString& table,
                            const QString& field, int code) {
    static const char* const kDescriptions[] = {"Campo Vazio", "Tabela Vazia",
                                                "Registro não Encontrado",
                                                "Informação do Registro Inválida"};
    const QString description =
        code >= 1 && code <= 4 ? QString::fromUtf8(kDescriptions[code - 1]) : QString();
    return QStringLiteral("Registro:") + recordType + QStringLiteral(" Sequência:") +
           QString::number(sequence) + QStringLiteral(" Erro:") + QString::number(code) +
           QStringLiteral(" Descrição do Erro: ") + description + QStringLiteral("(Arquivo:") +
           table + QStringLiteral(", Campo:") + field + u')';
}

void OutputFile::log_erro(const QString& recordType, int sequence, const QString& table,
                          const QString& field, int code) {
    QFile log(logPath());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        ioError(QStringLiteral("abrir"), log);
    const QByteArray bytes =
        Win1252::encodeRecord(logLine(recordType, sequence, table, field, code)) + "\r\n";
    const bool written = log.write(bytes) == bytes.size() && log.flush();
    log.close();
    if (!written)
        ioError(QStringLiteral("gravar"), log);
    ++qtdErros_;
}

int OutputFile::quantaslin(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        ioError(QStringLiteral("ler"), f);
    const QByteArray content = f.readAll();
    if (content.isEmpty())
        return 0;
    // A line ends at LF (CR LF) or at the end of the file; the first line is not counted.
    qsizetype lines = content.count('\n');
    if (!content.endsWith('\n'))
        ++lines;
    return int(lines - 1);
}

int OutputFile::sizeInKb(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return 1;
    const qint64 bytes = info.size();
    const qint64 whole = bytes / 1024;
    const qint64 rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && whole % 2 == 1))
        return int(whole + 1);
    return int(whole);
}

QString OutputFile::fixedAmount(const Decimal& value, int precision, const QString& recordType,
                                int sequence, const QString& table, const QString& field) {
    bool fits = true;
    const QString text = value.fixedText(precision, NumberFormat::decimalSeparator(), &fits);
    if (!fits)
        log_erro(recordType, sequence, table, field, 4);
    return text;
}
