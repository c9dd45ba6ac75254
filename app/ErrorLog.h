#pragma once

#include <QString>
#include <optional>
#include <vector>

// An error log as the run writes it, one problem a line:
// Registro:10 Sequência:1 Erro:2 Descrição do Erro: Tabela Vazia(Arquivo:TABEMPRESA, Campo:*.*)
class ErrorLog {
public:
    struct Entry {
        QString recordType;
        int sequence = 0;
        int code = 0;
        QString description;
        QString table;
        QString field;
        QString line;  // the whole line as read
        bool parsed = false;
    };

    // A line that does not follow the format gives an entry with only `line` set.
    static Entry parseLine(const QString& line);
    // Every line of the log (Windows-1252). Throws EnvironmentError when it cannot be read.
    static std::vector<Entry> read(const QString& path);
};
