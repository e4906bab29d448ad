#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder for the randomized sessions' save-and-reload steps, in
// shared memory when there is some so that a save per step stays cheap.
struct DossierSessions : ::testing::Test {
    std::filesystem::path dossier;

    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string modele = (base / "quorvalent-sessions-XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override { std::filesystem::remove_all(dossier); }
};
