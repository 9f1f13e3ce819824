// art --in and --remove: pictures put into the art beside a tile-data file, or taken out.
#include "ArtChanges.h"

#include "ArtEncoder.h"
#include "ArtFolder.h"
#include "ArtNumbering.h"
#include "ArtWriter.h"
#include "LoadedGame.h"
#include "PathParts.h"
#include "PngFile.h"
#include "TileColumns.h"
#include "TilesTool.h"
#include "ToolCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <ostream>
#include <system_error>

namespace {

struct Tally {
    int replaced = 0, added = 0, removed = 0, unchanged = 0, ignored = 0;
};

// The art beside the tile-data file, or nothing after saying why it cannot be written.
std::optional<ArtFolder> WritableArt(const std::string& tileData, std::ostream& err)
{
    ArtFolder art = ArtFolder::Load(tileData);
    if (art.GetForm() == ArtFolder::Form::kNone) {
        ToolError(err) << NoArtText(tileData) << '\n';
        return std::nullopt;
    }
    if (!art.Damage().empty()) {
        ToolError(err) << "the art is damaged (" << art.Damage() << "); nothing was written\n";
        return std::nullopt;
    }
    return art;
}

// The id a file name --out writes gives ("0BB6.png", "0bb6.PNG"), or nothing.
std::optional<int> IdOfFileName(const std::string& name)
{
    if (name.size() != 8 || !std::all_of(name.begin(), name.begin() + 4, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    std::string extension = name.substr(4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    if (extension != ".png")
        return std::nullopt;
    return std::stoi(name.substr(0, 4), nullptr, 16);
}

// Writes the changes; tells the summary, or what failed.
int Write(const std::string& tileData, const std::vector<ArtChange>& changes, const std::string& what,
          const Tally& tally, std::ostream& err)
{
    const ArtWrite write = WriteArt(tileData, changes);
    switch (write.result) {
    case ArtWrite::Result::kWritten:
        break;
    case ArtWrite::Result::kNoArt:
        ToolError(err) << NoArtText(tileData) << '\n';
        return kExitFileError;
    case ArtWrite::Result::kCannotHold:
    case ArtWrite::Result::kBadPicture:
        ToolError(err) << "cannot write the art: " << write.damage << "; nothing was written\n";
        return kExitFileError;
    case ArtWrite::Result::kRefused:
        ToolError(err) << write.error.GetErrorMessageOnOneLine() << "; nothing was written\n";
        return kExitFileError;
    case ArtWrite::Result::kFileError:
        ToolError(err) << write.error.GetErrorMessageOnOneLine()
                       << (write.filesLeftChanged.empty()
                               ? "; no picture was changed (bytes appended before the failure stay, pointed at by nothing)"
                               : WhatWasLeft(write.filesLeftChanged))
                       << '\n';
        return kExitFileError;
    }
    err << what << ": " << tally.replaced << " replaced, " << tally.added << " added, " << tally.removed
        << " removed, " << tally.unchanged << " unchanged, " << tally.ignored << " ignored\n";
    return kExitOk;
}

} // namespace

std::string NoArtText(const std::string& tileData)
{
    return "no art beside " + tileData + " (looked for " + ArtNamesLookedFor() + ")";
}

int PutPictures(const std::string& tileData, bool land, int inUse, const std::string& folder,
                const TileIdRange& range, std::ostream& err)
{
    const std::optional<ArtFolder> art = WritableArt(tileData, err);
    if (!art)
        return kExitFileError;
    std::map<int, std::string> files;  // by id
    Tally tally;
    std::error_code error;
    std::filesystem::directory_iterator listing(PathFromUtf8(folder), error);
    if (error) {
        ToolError(err) << folder << ": " << error.message() << '\n';
        return kExitFileError;
    }
    std::vector<std::string> problems;
    for (const auto& entry : listing) {
        const std::u8string u8name = entry.path().filename().u8string();
        const std::string name(u8name.begin(), u8name.end());
        const std::optional<int> id = IdOfFileName(name);
        if (!id || *id < range.first || *id > range.last || files.count(*id)) {
            if (id && *id >= inUse)
                problems.push_back(folder + "/" + name + ": tile " + FormatTileId(*id) + " is past the " +
                                   std::to_string(inUse) + " tiles in use");
            else
                ++tally.ignored;
            continue;
        }
        files[*id] = folder + "/" + name;
    }

    // Every picture is read and checked before anything is written. The
    // reader's files close before the writer opens them for itself alone.
    std::vector<ArtChange> changes;
    std::optional<ArtFolder::Reader> reader(*art);
    for (const auto& [id, path] : files) {
        ArtImage image;
        std::string failure;
        if (!ReadPngFile(path, image, failure)) {
            problems.push_back(path + ": " + failure);
            continue;
        }
        const std::uint32_t artIndex = ArtIndexOfTile(id, land);
        // A picture the tile already shows is one the art holds, so it can be
        // held. The same RGBA bytes (a file --out wrote) are the same pixels
        // without bringing either to 16-bit colour.
        const ArtResult present = reader->Decode(artIndex);
        const bool shown = present.kind == ArtResult::Kind::kImage;
        if (shown && present.image.width == image.width && present.image.rgba == image.rgba) {
            ++tally.unchanged;
            continue;
        }
        ArtPixels picture = PixelsFromImage(image);
        if (shown && ShowsPixels(present.image, picture)) {
            ++tally.unchanged;
            continue;
        }
        if (const std::optional<std::string> why = WhyNotStorable(artIndex, picture)) {
            problems.push_back(path + ": " + *why);
            continue;
        }
        ++(present.kind == ArtResult::Kind::kNoArt ? tally.added : tally.replaced);
        changes.push_back({artIndex, std::move(picture)});
    }
    reader.reset();
    if (!problems.empty()) {
        for (const std::string& problem : problems)
            ToolError(err) << problem << '\n';
        ToolError(err) << problems.size() << (problems.size() == 1 ? " bad picture" : " bad pictures")
                       << "; nothing was written\n";
        return kExitBadInput;
    }
    return Write(tileData, changes, "art --in " + folder, tally, err);
}

int RemovePictures(const std::string& tileData, bool land, const TileIdRange& range, std::ostream& err)
{
    const std::optional<ArtFolder> art = WritableArt(tileData, err);
    if (!art)
        return kExitFileError;
    std::vector<ArtChange> changes;
    Tally tally;
    {
        ArtFolder::Reader reader(*art);  // closed before the writer opens its files
        for (int id = range.first; id <= range.last; ++id) {
            const std::uint32_t artIndex = ArtIndexOfTile(id, land);
            if (reader.Decode(artIndex).kind == ArtResult::Kind::kNoArt) {
                ++tally.unchanged;
                continue;
            }
            ++tally.removed;
            changes.push_back({artIndex, std::nullopt});
        }
    }
    return Write(tileData, changes, "art --remove " + range.Text(), tally, err);
}
