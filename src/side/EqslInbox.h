// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

class LogTable;

/// Whether a read ADI file is a download from the eQSL inbox: its records carry one of the fields only
/// eQSL writes (EQSL_QSL_RCVD, APP_EQSL_SWL, APP_EQSL_AG), or its header (the text before the first
/// record) names eQSL, as "ADIF 3 Export from eQSL.cc" and PROGRAMID "eQSL.cc DownloadInBox" do.
bool isEqslInbox(std::string_view header, const LogTable &records);

} // namespace quillog
