#pragma once
#include <string>

#include "data/schema/creation.h"

namespace tarvo {

class TDM_firma;

// What every start does once the catalogue connection is open: the catalogue `ex` with its tables and the
// four database roles, and the working database with its tables, each created when missing.
CreationReport prepareServer(TDM_firma& catalogue);

// Makes a company year usable: the company in `firma` (its current year moved up to `godina`), its four
// databases registered as role name + "_" + id + "_" + year with status "tekuca" unless registered already,
// and created with every table and the default rows of the organisation type ("PRED", "UDR", "SDT").
// A pr database created here stores the type as `OrganizacioniTip`. Nothing is asked or shown.
CreationReport registerCompanyYear(TDM_firma& catalogue, int fid, const std::string& naziv, int godina,
                                   const std::string& orgTip = "PRED");

}  // namespace tarvo
