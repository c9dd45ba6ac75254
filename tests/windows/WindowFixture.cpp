#include "WindowFixture.h"

void WindowFixture::SetUp() {
    previous_ = Dialogs::setPresenter(
        [this](QWidget*, const Dialogs::Message& m) { messages.push_back(m); });
}

void WindowFixture::TearDown() {
    Dialogs::setPresenter(previous_);
}

Conexao& WindowFixture::connect() {
    conexao = std::make_unique<Conexao>(inst.iniPath());
    conexao->connect();
    return *conexao;
}
