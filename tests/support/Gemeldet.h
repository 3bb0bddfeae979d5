#pragma once
// What a call reported through gError: "Module.Procedure number", "" when it reported nothing.
#include "core/clsError.h"
#include "core/modCommon.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

inline std::string Gemeldet(const std::function<void()>& call)
{
    gError->setError(false);
    call();
    if (!gError->Error()) return "";
    return gError->ErrorModul() + "." + gError->ErrorFunction() + " " + std::to_string(gError->ErrorNumber());
}

// The call made while the global holds no object.
template <class T>
std::string Gemeldet_Ohne(std::unique_ptr<T>& global, const std::function<void()>& call)
{
    auto gehalten = std::move(global);
    std::string bericht = Gemeldet(call);
    global = std::move(gehalten);
    return bericht;
}
