#pragma once
// Small rules on single records that several parts of the store share: positional file names,
// text-field terminators and the safe use of a stored unit file name.
#include <songbase/Records.h>

#include <string_view>

namespace songbase {

// "PLINFO%03d.PPD" for the 0-based playlist index.
void setPlayListFileName(AVT_Mtr_PlTrackInfo& master, int list);
// "TRACK%03d_%02d.PPD" for the 0-based playlist and track indices.
void setTrackFileName(AVT_Mtr_PlTrackInfo& master, int list, int track);

// Forces the last byte of every text field to NUL, so records that came from outside (a file, a
// caller's copy) never make a reader run past a field.
void terminateTextFields(Songbase_Track& track);
void terminateTextFields(Songbase_ListRecord& record);
void terminateTextFields(AVT_FileHeader& header);

// The entry's unit file name, or an empty view when it is not a plain file name (unterminated,
// empty, ".", ".." or holding a '/'): a stored name must never write outside the target folder.
std::string_view unitFileName(const AVT_Mtr_PlTrackInfo& master);

}  // namespace songbase
