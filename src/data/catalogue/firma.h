#pragma once
#include <string>

#include "data/catalogue/roles.h"

namespace tarvo {

// One company in one business year, with the names and servers of its four databases.
class TFirma {
public:
    static constexpr const char* kZoUlazniObrazac = "c:\\kelma\\zavrsni\\f%s\\ZO_%s_%s.xlsx";
    static constexpr const char* kZoIzlazniObrazac = "c:\\kelma\\zavrsni\\f%s\\ZO_%s_%s.xlsm";

    // Every host "localhost".
    TFirma();
    // Names and hosts stay empty until GetBazeFirme fills them.
    TFirma(int id, std::string naziv, int godina);
    TFirma(int id, std::string naziv, int godina, std::string dbFin, std::string dbMat, std::string dbPr,
           std::string dbOp, std::string hostFin, std::string hostMat, std::string hostPr, std::string hostOp);

    // Id and year 0, name and the four database names empty; hosts, type, paths and the archive flag stay.
    void reset();
    // "ID:", "Naziv:", "Godina:", the four "db_x=name, host=host" lines and "Arhivski podaci: DA|NE",
    // each on a line of its own.
    std::string opis() const;

    std::string& db(DbRole role);
    const std::string& db(DbRole role) const;
    std::string& host(DbRole role);
    const std::string& host(DbRole role) const;

    int id = 0;
    std::string naziv;
    int godina = 0;
    std::string db_fin, db_mat, db_pr, db_op;
    std::string hostFin, hostMat, hostPr, hostOp;
    std::string orgTip = "PRED";
    std::string zoUlazniObrazac = kZoUlazniObrazac;
    std::string zoIzlazniObrazac = kZoIzlazniObrazac;
    bool arhivski = false;
};

}  // namespace tarvo
