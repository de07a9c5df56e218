#pragma once
#include <string>
#include <vector>

#include "shell/settings/colour_scheme.h"

namespace tarvo {
class TDM_firma;
class TFirma;
}  // namespace tarvo

namespace tarvo::shell {

// The global parameters as the main window reads them: the catalogue's store, or a map in a test.
class GlobalParameterStore {
public:
    virtual ~GlobalParameterStore() = default;
    virtual std::string izGlobPar(const std::string& key) = 0;
    // Writes nothing in port mode.
    virtual void uGlobPar(const std::string& key, const std::string& value) = 0;
    virtual std::string sgetParam(const std::string& key, const std::string& defaultValue) = 0;
};

class CatalogueGlobalStore : public GlobalParameterStore {
public:
    explicit CatalogueGlobalStore(TDM_firma& catalogue) : catalogue_(catalogue) {}
    std::string izGlobPar(const std::string& key) override;
    void uGlobPar(const std::string& key, const std::string& value) override;
    std::string sgetParam(const std::string& key, const std::string& defaultValue) override;

private:
    TDM_firma& catalogue_;
};

// What the global parameters switch in the running program.
struct GlobalSwitches {
    ColourScheme colourScheme = ColourScheme::System;
    bool partnerKoristiID2 = false;
    bool nalogKoristiID2 = false;
    bool printToTxt = false;
    std::string sharedArticleCompany = "0";  // the company whose article table everyone uses; "0" none
    std::string articlePrefix;               // "prodaja_3_2024." or "" for the own table
    bool identBrojPartneraObavezan = false;
    double scaleFactor = 1;
    bool omoguciMinimiziranje = false;
    std::string konvZnakovaZaDos = "ne";
    // Stored values that could not be used, one message each.
    std::vector<std::string> warnings;
};

// setGlobPar: reads the switches, writing the defaults the program relies on when they are missing.
// A scale factor that is not a number is stored as "1"; a number outside 1 to 2 is used as 1 and kept.
GlobalSwitches setGlobPar(GlobalParameterStore& store, const TFirma& firma);

}  // namespace tarvo::shell
