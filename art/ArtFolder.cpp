#include "ArtFolder.h"

#include "ArtContainer.h"
#include "ArtDecoder.h"
#include "ArtEntryBytes.h"
#include "ArtIndex.h"
#include "PatchFilePath.h"
#include "PathParts.h"

#include <string_view>

namespace {

std::size_t Slot(ArtPlace::File file)
{
    return static_cast<std::size_t>(file);
}

} // namespace

std::string ArtNamesLookedFor()
{
    return std::string(kArtContainerName) + ", " + kArtFileName + " and " + kArtIndexName;
}

ArtFolder::Found ArtFolder::Find(const std::string& tileDataPath)
{
    Found found;
    found.container = FindFileBeside(tileDataPath, kArtContainerName);
    if (!found.container.empty()) {
        found.form = Form::kContainer;
        return found;
    }
    // The index and art file are looked for only where there is no container.
    found.index = FindFileBeside(tileDataPath, kArtIndexName);
    found.art = FindFileBeside(tileDataPath, kArtFileName);
    if (!found.index.empty() && !found.art.empty())
        found.form = Form::kIndexAndArtFile;
    return found;
}

ArtFolder ArtFolder::Load(const std::string& tileDataPath)
{
    ArtFolder folder;
    const auto [form, container, index, art] = Find(tileDataPath);
    try {
        CFileException cause;
        if (form == Form::kContainer) {
            folder.m_form = Form::kContainer;
            folder.m_files = {container};
            folder.m_paths[Slot(ArtPlace::File::kContainer)] = container;
            FileByteSource source;
            if (!source.Open(container, &cause))
                throw cause;
            ContainerTables tables = ReadContainerTables(source);
            if (!tables.damage.empty())
                folder.m_damage = std::string(FileNamePart(container)) + ": " + tables.damage;
            else
                folder.m_places = PlacesInContainer(tables);
        } else if (form == Form::kIndexAndArtFile) {
            folder.m_form = Form::kIndexAndArtFile;
            folder.m_files = {index, art};
            folder.m_paths[Slot(ArtPlace::File::kArtFile)] = art;
            FileByteSource source;
            if (!source.Open(index, &cause))
                throw cause;
            folder.m_places = ReadArtIndex(source);
            folder.m_indexCount = source.Size() / kArtIndexEntrySize;
            const std::string patchFile = LocatePatchFileBeside(tileDataPath).opened;
            FileByteSource patches;
            if (patches.Open(patchFile, nullptr)) {
                folder.m_files.push_back(patchFile);
                folder.m_paths[Slot(ArtPlace::File::kPatchFile)] = patchFile;
                folder.m_patchEntriesApplied = ApplyArtPatches(patches, folder.m_places);
            }
        }
    } catch (const CFileException& error) {
        folder.m_damage = error.GetErrorMessage();
    }
    if (!folder.m_damage.empty())
        folder.m_places.clear();
    if (folder.m_form == Form::kContainer)
        for (const ArtPlace& place : folder.m_places)
            folder.m_indexCount += place.file != ArtPlace::File::kNone;
    return folder;
}

ArtResult ArtFolder::Decode(std::uint32_t artIndex, const ArtPalette& palette) const
{
    return Reader(*this).Decode(artIndex, palette);
}

ArtResult ArtFolder::Reader::Decode(std::uint32_t artIndex, const ArtPalette& palette)
{
    ArtResult result;
    DecodeInto(artIndex, palette, result);
    return result;
}

void ArtFolder::Reader::DecodeInto(std::uint32_t artIndex, const ArtPalette& palette, ArtResult& out)
{
    if (!m_folder.m_damage.empty())
        return SetArtDamaged(out, m_folder.m_damage);
    if (artIndex >= m_folder.m_places.size() || m_folder.m_places[artIndex].file == ArtPlace::File::kNone)
        return SetArtNoArt(out);
    const ArtPlace& place = m_folder.m_places[artIndex];
    try {
        DecodeFrom(place, artIndex, palette, out);
    } catch (const CFileException& error) {
        SetArtDamaged(out, error.GetErrorMessage());
    }
}

void ArtFolder::Reader::DecodeFrom(const ArtPlace& place, std::uint32_t artIndex, const ArtPalette& palette,
                                   ArtResult& out)
{
    const std::size_t slot = Slot(place.file);
    const std::string& path = m_folder.m_paths[slot];
    if (!m_sources[slot] && m_openFailures[slot].empty()) {
        auto source = std::make_unique<FileByteSource>();
        CFileException cause;
        if (source->Open(path, &cause))
            m_sources[slot] = std::move(source);
        else
            m_openFailures[slot] = cause.GetErrorMessage();
    }
    if (!m_sources[slot])
        return SetArtDamaged(out, m_openFailures[slot]);
    const ArtEntryBytes entry = ReadArtEntry(*m_sources[slot], place, FileNamePart(path), m_inflated);
    if (!entry.damage.empty())
        return SetArtDamaged(out, entry.damage);
    DecodeArtInto(artIndex, entry.bytes, palette, out);
}
