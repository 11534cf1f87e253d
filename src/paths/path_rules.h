// The numbered path rules: how a number of a series becomes a file name and a relative
// sub-folder path, and how deep a side's sub-folder tree must be.
//
// Pure functions of their arguments: no windows, no files, no shared state. MakeFileName and
// ReplaceFirst may run on any thread, on several at once.
#pragma once

#include <cstdint>
#include <string>

namespace kelvaro {

// Replaces the first occurrence of token in text by replacement. Returns false, leaving the
// text as it was, when the token does not occur.
bool ReplaceFirst(std::string& text, const std::string& token, const std::string& replacement);

// Each "*" of the pattern receives the number's whole decimal text; the "?" marks, read left to
// right whatever lies between them, form one field that receives the decimal text right-aligned,
// padded with "0" on the left, or cut to its last characters when it is longer than the field.
// Runs in time linear in the length of the pattern.
std::string MakeFileName(const std::string& pattern, std::int32_t number);

// The relative sub-folder path of a number: depth levels, the outermost first, each the decimal
// text of number / maximum^k followed by "\". Empty for a maximum of 0 or less.
// The depth comes from a spin box (0 to 127); the path holds one level per unit of depth.
std::string MakeFolderPath(std::int32_t depth, std::int32_t number, std::int32_t maximum);

// The least depth at which the top level of the tree holds no more entries than the maximum.
// 0 for a maximum below 2 (no sub-folders) and for an end number below the maximum.
std::int32_t RequiredDepth(std::int32_t end, std::int32_t maximum);

// The values of a run that the per-number folder step works on. The run sets the maxima, flags
// and depths once; the sub-folder paths and the paths change with every number.
struct TransferPathValues {
    std::int32_t FromMax = 0;  // 0 when the maximum text did not convert
    std::int32_t ToMax = 0;
    bool FromMaxIsInt = false;  // only a side whose maximum converted uses sub-folders
    bool ToMaxIsInt = false;
    std::int32_t FromDepth = 0;
    std::int32_t ToDepth = 0;
    std::string FromSubDir;  // written by BuildSubFolders
    std::string ToSubDir;
    std::string FromPath;  // on entry the file name; the sub-folder path is put in front
    std::string ToPath;
};

// Recomputes both sub-folder paths from their own numbers and puts each in front of its path
// when that side's maximum is an integer. The base folders are not added here.
void BuildSubFolders(TransferPathValues& values, std::int32_t FromNumber, std::int32_t ToNumber);

}  // namespace kelvaro
