#include "params/DataPacket.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

#include "output/Win1252.h"

namespace {

QString escape(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        switch (c.unicode()) {
            case u'&':
                out += QStringLiteral("&amp;");
                break;
            case u'<':
                out += QStringLiteral("&lt;");
                break;
            case u'>':
                out += QStringLiteral("&gt;");
                break;
            case u'"':
                out += QStringLiteral("&quot;");
                break;
            default:
                // Characters the code page cannot hold, and controls, go as references.
                if (c.unicode() < 0x20 || !Win1252::canEncode(c))
                    out += QStringLiteral("&#%1;").arg(c.unicode());
                else
                    out += c;
        }
    }
    return out;
}

}  // namespace

DataPacket DataPacket::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw ParamFileError(QStringLiteral("Não foi possível ler o arquivo de parâmetros %1: %2")
                                 .arg(path, f.errorString()));
    }
    return parse(f.readAll(), path);
}

DataPacket DataPacket::parse(const QByteArray& bytes, const QString& path) {
    // The bytes are Windows-1252 whatever the declaration says; decode them before the reader.
    QString text = Win1252::decode(bytes);
    if (text.startsWith(QStringLiteral("<?xml"))) {
        const int end = text.indexOf(QStringLiteral("?>"));
        if (end > 0)
            text.remove(0, end + 2);
    }
    QXmlStreamReader xml(text);
    DataPacket packet;
    bool sawRoot = false, sawMetadata = false, sawRowData = false;
    auto fail = [&](const QString& what) -> ParamFileError {
        return ParamFileError(
            QStringLiteral("Arquivo de parâmetros %1 inválido: %2").arg(path, what));
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString().toUpper();
        if (!sawRoot) {
            if (name != u"DATAPACKET")
                throw fail(QStringLiteral("elemento DATAPACKET ausente"));
            sawRoot = true;
        } else if (name == u"METADATA") {
            sawMetadata = true;
        } else if (name == u"ROWDATA") {
            sawRowData = true;
        } else if (name == u"FIELD") {
            Field f;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const QString an = a.name().toString().toUpper();
                if (an == u"ATTRNAME")
                    f.name = a.value().toString();
                if (an == u"FIELDTYPE")
                    f.type = a.value().toString();
                if (an == u"WIDTH")
                    f.width = a.value().toInt();
                if (an == u"REQUIRED")
                    f.required = a.value().compare(u"true", Qt::CaseInsensitive) == 0;
            }
            if (f.name.isEmpty())
                throw fail(QStringLiteral("FIELD sem attrname"));
            packet.fields_.push_back(f);
        } else if (name == u"ROW") {
            Row row(packet.fields_.size());
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const int i = packet.fieldIndex(a.name().toString());
                if (i >= 0)
                    row[size_t(i)] = a.value().toString();  // RowState and others ignored
            }
            packet.rows_.push_back(std::move(row));
        }
        // FIELDS, PARAMS and the data layer's own bookkeeping carry nothing the program reads.
    }
    if (xml.hasError()) {
        throw fail(QStringLiteral("%1 (linha %2, coluna %3)")
                       .arg(xml.errorString())
                       .arg(xml.lineNumber())
                       .arg(xml.columnNumber()));
    }
    if (!sawRoot)
        throw fail(QStringLiteral("elemento DATAPACKET ausente"));
    if (!sawMetadata)
        throw fail(QStringLiteral("elemento METADATA ausente"));
    if (!sawRowData)
        throw fail(QStringLiteral("elemento ROWDATA ausente"));
    return packet;
}

QByteArray DataPacket::serialize() const {
    QString x = QStringLiteral(
        "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET "
        "Version=\"2.0\"><METADATA><FIELDS>");
    for (const Field& f : fields_) {
        x += QStringLiteral("<FIELD attrname=\"%1\" fieldtype=\"%2\"").arg(escape(f.name), f.type);
        if (f.required)
            x += QStringLiteral(" required=\"true\"");
        if (f.type == u"string")
            x += QStringLiteral(" WIDTH=\"%1\"").arg(f.width);
        x += QStringLiteral("/>");
    }
    x += QStringLiteral("</FIELDS><PARAMS/></METADATA><ROWDATA>");
    for (const Row& r : rows_) {
        x += QStringLiteral("<ROW");
        for (size_t i = 0; i < fields_.size(); ++i) {
            if (i < r.size() && r[i].has_value())
                x += QStringLiteral(" %1=\"%2\"").arg(fields_[i].name, escape(*r[i]));
        }
        x += QStringLiteral("/>");
    }
    x += QStringLiteral("</ROWDATA></DATAPACKET>\r\n");
    return Win1252::encode(x);
}

void DataPacket::save(const QString& path) const {
    QSaveFile f(path);
    const QByteArray bytes = serialize();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        throw ParamFileError(
            QStringLiteral("Não foi possível gravar o arquivo de parâmetros %1: %2")
                .arg(path, f.errorString()));
    }
}

void DataPacket::addField(const Field& field) {
    fields_.push_back(field);
    for (Row& r : rows_)
        r.resize(fields_.size());
}

int DataPacket::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void DataPacket::addRow(Row row) {
    row.resize(fields_.size());
    rows_.push_back(std::move(row));
}

std::optional<QString> DataPacket::value(int row, const QString& column) const {
    const int i = fieldIndex(column);
    if (i < 0) {
        throw ParamFileError(
            QStringLiteral("Campo '%1' não encontrado no arquivo de parâmetros").arg(column));
    }
    return rows_[size_t(row)][size_t(i)];
}

QString DataPacket::text(int row, const QString& column) const {
    return value(row, column).value_or(QString());
}

void DataPacket::setValue(int row, const QString& column, const std::optional<QString>& value) {
    const int i = fieldIndex(column);
    if (i < 0) {
        throw ParamFileError(
            QStringLiteral("Campo '%1' não encontrado no arquivo de parâmetros").arg(column));
    }
    rows_[size_t(row)][size_t(i)] = value;
}
