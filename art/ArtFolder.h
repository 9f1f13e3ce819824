#pragma once

#include "ArtImage.h"
#include "ArtPalette.h"
#include "ArtPlace.h"
#include "ByteSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The art beside a tile-data file. Which files Load takes, in what letter
// case, and why the container wins: docs/file-formats.md, "Which art is
// read". It reads the index (or the container's tables) once; a picture's
// bytes are read when asked for. No file is ever written, created, locked
// or kept open.
class ArtFolder {
public:
    enum class Form {
        kNone,             // neither form is there
        kContainer,        // artLegacyMUL.uop
        kIndexAndArtFile,  // artidx.mul and art.mul, and verdata.mul's art entries
    };

    // Which form lies beside a tile-data file, and its files, found without
    // reading them: the container; or the index and the art file.
    struct Found {
        Form form = Form::kNone;
        std::string container, index, art;
    };
    static Found Find(const std::string& tileDataPath);

    static ArtFolder Load(const std::string& tileDataPath);

    Form GetForm() const { return m_form; }
    // The files read, as opened: the container; or the index, the art
    // file and the patch file when its art entries were read.
    const std::vector<std::string>& Files() const { return m_files; }
    // Why the art cannot be read at all (a file that did not open, a
    // container whose tables are broken); empty when it can. Every Decode
    // then gives this as its reason.
    const std::string& Damage() const { return m_damage; }
    // How many art indices the index file holds, or the container names.
    std::uint64_t IndexCount() const { return m_indexCount; }
    // How many of the patch file's art entries applied.
    int PatchEntriesApplied() const { return m_patchEntriesApplied; }

    // Whether the art names a picture for an art index (the index entry with
    // the patch file's entries applied, or a container entry), without
    // reading any picture. Art that cannot be read at all counts as art for
    // every index: a slot is never shown free only because its art could
    // not be read. With neither form beside the file no index has art.
    bool HasArt(std::uint32_t artIndex) const
    {
        if (m_form == Form::kNone)
            return false;
        if (!m_damage.empty())
            return true;
        return artIndex < m_places.size() && m_places[artIndex].file != ArtPlace::File::kNone;
    }

    // One art index's picture, its files opened for the call alone, drawn
    // as the palette gives it.
    ArtResult Decode(std::uint32_t artIndex, const ArtPalette& palette = ArtPalette::Plain()) const;

    // Decodes many pictures with each file opened once, for as long as the
    // reader lives.
    class Reader {
    public:
        explicit Reader(const ArtFolder& folder) : m_folder(folder) {}
        ArtResult Decode(std::uint32_t artIndex, const ArtPalette& palette = ArtPalette::Plain());
        // The same result as Decode, written into `out`: its picture's
        // buffer is reused, so that decoding many pictures into one result
        // allocates only when a picture is larger than any before.
        void DecodeInto(std::uint32_t artIndex, const ArtPalette& palette, ArtResult& out);

    private:
        void DecodeFrom(const ArtPlace& place, std::uint32_t artIndex, const ArtPalette& palette, ArtResult& out);

        const ArtFolder& m_folder;
        // Opened on first use, by file.
        std::unique_ptr<FileByteSource> m_sources[ArtPlace::kFileKinds];
        std::string m_openFailures[ArtPlace::kFileKinds];
        std::vector<std::uint8_t> m_inflated;
    };

private:
    Form m_form = Form::kNone;
    std::vector<std::string> m_files;
    std::string m_damage;
    std::uint64_t m_indexCount = 0;
    int m_patchEntriesApplied = 0;
    std::vector<ArtPlace> m_places;
    std::string m_paths[ArtPlace::kFileKinds];  // by ArtPlace::File
};

// What Load looks for, for a message when it finds neither form:
// "artLegacyMUL.uop, art.mul and artidx.mul".
std::string ArtNamesLookedFor();
