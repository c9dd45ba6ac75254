#pragma once

#include <QString>
#include <memory>

#include "output/EnvironmentError.h"
#include "settings/Database.h"

// The probe failed: the year's database cannot be reached. The program ends after showing this.
class DatabaseNotFound : public EnvironmentError {
public:
    DatabaseNotFound();
    static const QString kCaption;  // "Erro na Base de Dados"
};

// The program's one connection to the year's database "VOLD" + year + ".FDB", in the folder the
// resolver gives for "B" (host:path with a server installation).
class Conexao {
public:
    explicit Conexao(QString iniPath);

    // Reads the year, probes the database file and opens the connection. Throws DatabaseNotFound
    // when the probe fails, DbError when the probe succeeded but the connection itself failed.
    void connect();
    bool isConnected() const { return database_ != nullptr; }
    Database& database();

    // The year as read at connection time: the first four characters of "ano".
    const QString& Exercicio() const { return exercicio_; }
    // The status pane's text.
    QString exercicioPane() const { return QStringLiteral("Exerc.: ") + exercicio_; }
    const QString& iniPath() const { return iniPath_; }
    const QString& databasePath() const { return databasePath_; }

    // True if a connection to that file in the folder of the code (its first "D" read as "B")
    // could be opened and closed. The error itself is not shown.
    static bool TestaConexao(const QString& iniPath, const QString& fileName, const QString& code);

private:
    QString iniPath_;
    QString exercicio_;
    QString databasePath_;
    std::unique_ptr<Database> database_;
};
