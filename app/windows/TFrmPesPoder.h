#pragma once

#include <QDialog>
#include <optional>

class Database;
class DataGrid;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStandardItemModel;

// Looks up a power of TABPODER by its name, and answers the chosen one's code.
class TFrmPesPoder : public QDialog {
    Q_OBJECT
public:
    TFrmPesPoder(QWidget* parent, Database& database);

    // Lists every power.
    void start();
    void pesquisar();
    void confirmar();

    // The code of the power chosen by "&Confirmar"; nothing if the search was cancelled or found
    // nothing.
    const std::optional<QString>& chosenPower() const { return chosen_; }

    QLineEdit* edit() const { return edit1_; }
    DataGrid* grid() const { return grid_; }
    QStandardItemModel* model() const { return model_; }

private:
    void list(const QString& sql, const QStringList& params);

    Database& database_;
    QLineEdit* edit1_;
    QRadioButton* r1_;
    QRadioButton* r2_;
    QPushButton* pesquisa_;
    QPushButton* confirmar_;
    QPushButton* cancelar_;
    DataGrid* grid_;
    QStandardItemModel* model_;
    std::optional<QString> chosen_;
};
