#pragma once
// Protdev's windows driven headless: a scratch library in the current directory, the headless host as the
// context's dialog runner and message service, the resources registered, the library opened.

#include "LibraryFixture.h"
#include "ProtdevApp.h"
#include "ProtdevResources.h"
#include "resource.h"

#include "HeadlessHost.h"

#include <gtest/gtest.h>

#include <string>

namespace prottest {

// Empties a field as a user does and types the text.
inline DialogDriver& Put(DialogDriver& d, int id, const std::string& text)
{
    d.Clear(id);
    if (!text.empty())
        d.Type(id, text);
    return d;
}

// Types a breaker rating into an open CDisjuntor_corrente_nominal: nominal, t5s, ruptura, alfa and,
// when given, the minimum operating current followed by the seven magnetic values.
inline void TypeBreakerRating(DialogDriver& d, const std::string& nominal, const std::string& t5s,
                              const std::string& ruptura, const std::string& alfa,
                              const std::vector<std::string>& magnetic = {})
{
    Put(d, IDC_CORRENTE_NOMINAL, nominal);
    Put(d, IDC_CORRENTE_T5S, t5s);
    Put(d, IDC_CORRENTE_RUPTURA, ruptura);
    Put(d, IDC_ALFA, alfa);
    const int ids[] = {IDC_CORRENTE_MINIMA_ATUACAO, IDC_I2T_CORRENTE_MINIMA,  IDC_LIMIAR_MAGNETICO,
                       IDC_I2T_TERMICO_LIMIAR,      IDC_I2T_MAGNETICO_LIMIAR, IDC_CORRENTE_CAPACIDADE,
                       IDC_I2T_CORRENTE_CAPACIDADE, IDC_CORRENTE_MINIMA_MAGNETICA};
    for (std::size_t i = 0; i < magnetic.size() && i < 8; ++i)
        Put(d, ids[i], magnetic[i]);
}

inline void TypeFuseRating(DialogDriver& d, const std::string& nominal, const std::string& ruptura,
                           const std::string& t5s, const std::string& alfa)
{
    Put(d, IDC_CORRENTE_NOMINAL, nominal);
    Put(d, IDC_CORRENTE_RUPTURA, ruptura);
    Put(d, IDC_CORRENTE_T5S, t5s);
    Put(d, IDC_ALFA, alfa);
}

inline COLORREF Background(DialogDriver& d, int id)
{
    return d.Get<CEditColor>(id).GetBkColor();
}

inline constexpr COLORREF kYellow = 0x00FFFF;
inline constexpr COLORREF kWhite = 0xFFFFFF;

class ProtdevUi : public ::testing::Test {
protected:
    explicit ProtdevUi(const std::string& rows = kSampleRows, bool open = true) : fx(rows)
    {
        host.Install(fx.context);
        RegisterProtdevResources();
        if (open)
            app.OpenLibrary();
    }
    std::string Library() const { return fx.LibraryPath(); }

    ProtdevFixture fx;
    HeadlessHost host;
    CProtdevApp app;
};

}  // namespace prottest
