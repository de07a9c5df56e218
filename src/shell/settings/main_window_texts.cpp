#include "shell/settings/main_window_texts.h"

#include "data/catalogue/firma.h"

namespace tarvo::shell {

std::string mainWindowCaption(const TFirma& firma) {
    const std::string start = std::string(kApplicationName) + " - " + kApplicationTitle;
    if (firma.arhivski)
        return start + " - ARHIVSKI PODACI - FIRMA: " + firma.naziv + " - poslovna godina:" +
               std::to_string(firma.godina);
    return start + " - FIRMA: " + firma.naziv + " (" + std::to_string(firma.id) + ") - poslovna godina:" +
           std::to_string(firma.godina);
}

std::string parametriStanjaText(const DatabaseState& state) {
    auto line = [](const char* name, const std::string& value) { return std::string(name) + "\"" + value + "\"\r"; };
    return line("db_op   =", state.dbOp) + line("db_pr   =", state.dbPr) + line("db_fin  =", state.dbFin) +
           line("db_mat  =", state.dbMat) + line("Conn1.db=", state.connection1) + line("Conn2.db=", state.connection2) +
           line("Firma.orgTip=", state.orgTip);
}

}  // namespace tarvo::shell
