// The scratch store of the tests on Windows: the registry key itself (see
// TestStore.h and RegistryScratch.h).

#include "TestStore.h"

#include "RegistryScratch.h"

namespace testsupport {

ScopedStore::ScopedStore()
{
    regscratch::RequireScratchRegistry();
    regscratch::Clear();
}

ScopedStore::~ScopedStore()
{
    regscratch::Clear();
}

bool ScopedStore::Exists() const
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, regscratch::kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string ScopedStore::Contents() const
{
    return Canonical(regscratch::Export());
}

void ScopedStore::Load(const std::string &exportText) const
{
    regscratch::Import(exportText);
}

void ScopedStore::RemoveStore() const
{
    regscratch::Clear();
}

std::string ScopedStore::WriteStamp() const
{
    return regscratch::WriteStamp();
}

void ScopedStore::SetRaw(const std::string &subkey, const std::string &name, const std::string &data) const
{
    regscratch::SetRaw(subkey, name, data);
}

void ScopedStore::RemoveValue(const std::string &subkey, const std::string &name) const
{
    ASSERT_TRUE(regscratch::RemoveValue(subkey, name)) << "no value " << name;
}

void ScopedStore::RemoveSection(const std::string &subkey) const
{
    ASSERT_TRUE(regscratch::RemoveKey(subkey)) << "no key " << subkey;
}

} // namespace testsupport
