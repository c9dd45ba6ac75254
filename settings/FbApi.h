#pragma once

// Shared plumbing of the database layer over Firebird's C++ interface; not for use elsewhere.
#include <firebird/Interface.h>

#include <QString>

namespace FbApi {

Firebird::IMaster* master();
Firebird::IUtil* util();

// A status wrapper that throws FbException and disposes of its status on destruction.
class Status {
public:
    Status() : wrapper_(master()->getStatus()) {}
    ~Status() { wrapper_.dispose(); }
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
    Firebird::ThrowStatusWrapper* operator&() { return &wrapper_; }

private:
    Firebird::ThrowStatusWrapper wrapper_;
};

// Turns the exception into the layer's DbError, carrying Firebird's message and the SQL text.
[[noreturn]] void raise(const Firebird::FbException& e, const QString& sql);
bool isConversionError(const Firebird::FbException& e);

constexpr const char* kUser = "KTRVOLD8";
constexpr const char* kPassword = "mavu";
constexpr unsigned kDialect = 3;
constexpr unsigned kCharsetWin1252 = 53;

}  // namespace FbApi
