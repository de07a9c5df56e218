#include "data/catalogue/firma.h"

namespace tarvo {

TFirma::TFirma() : hostFin("localhost"), hostMat("localhost"), hostPr("localhost"), hostOp("localhost") {}

TFirma::TFirma(int id_, std::string naziv_, int godina_) : id(id_), naziv(std::move(naziv_)), godina(godina_) {}

TFirma::TFirma(int id_, std::string naziv_, int godina_, std::string dbFin, std::string dbMat, std::string dbPr,
               std::string dbOp, std::string hostFin_, std::string hostMat_, std::string hostPr_,
               std::string hostOp_)
    : id(id_), naziv(std::move(naziv_)), godina(godina_), db_fin(std::move(dbFin)), db_mat(std::move(dbMat)),
      db_pr(std::move(dbPr)), db_op(std::move(dbOp)), hostFin(std::move(hostFin_)), hostMat(std::move(hostMat_)),
      hostPr(std::move(hostPr_)), hostOp(std::move(hostOp_)) {}

void TFirma::reset() {
    id = 0;
    godina = 0;
    naziv.clear();
    db_fin.clear();
    db_mat.clear();
    db_pr.clear();
    db_op.clear();
}

std::string& TFirma::db(DbRole role) {
    switch (role) {
        case DbRole::Pr: return db_pr;
        case DbRole::Fin: return db_fin;
        case DbRole::Mat: return db_mat;
        case DbRole::Op: break;
    }
    return db_op;
}

const std::string& TFirma::db(DbRole role) const { return const_cast<TFirma*>(this)->db(role); }

std::string& TFirma::host(DbRole role) {
    switch (role) {
        case DbRole::Pr: return hostPr;
        case DbRole::Fin: return hostFin;
        case DbRole::Mat: return hostMat;
        case DbRole::Op: break;
    }
    return hostOp;
}

const std::string& TFirma::host(DbRole role) const { return const_cast<TFirma*>(this)->host(role); }

std::string TFirma::opis() const {
    const std::string nl = "\n";
    std::string text = "ID:" + std::to_string(id) + nl + "Naziv:" + naziv + nl + "Godina:" + std::to_string(godina) + nl;
    for (DbRole role : {DbRole::Fin, DbRole::Mat, DbRole::Pr, DbRole::Op})
        text += "db_" + std::string(roleInfo(role).tableSetRole) + "=" + db(role) + ", host=" + host(role) + nl;
    return text + "Arhivski podaci: " + (arhivski ? "DA" : "NE") + nl;
}

}  // namespace tarvo
