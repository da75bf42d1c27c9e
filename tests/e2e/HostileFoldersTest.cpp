// The real program, played through a whole game by its harness, in working folders that
// schools' machines produce: data folders missing, files broken, the saved game's place
// taken or not writable. Nothing may crash or hang, and no saved game may be lost.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString harnessProgram = QStringLiteral(HARNESS_PROGRAM);

// A saved game from an earlier day: Green on 50, three players, turn 9, sound off.
QByteArray earlierSavedGame()
{
    QByteArray bytes;
    for (int k = 1; k <= 100; ++k) {
        bytes += QByteArray::number(k) + "\r\n" + (k == 50 ? "3" : "0") + "\r\n";
    }
    return bytes + "3\r\n9\r\n0\r\n";
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A working folder with the program and its own copy of the data folders.
class HostileFolder : public ::testing::Test {
protected:
    HostileFolder()
    {
        const QDir built = QFileInfo(harnessProgram).dir();
        QFile::copy(harnessProgram, path(QStringLiteral("zorbitan-harness")));
        QFile::copy(built.filePath(QStringLiteral("zorbitan_sound.so")), path(QStringLiteral("zorbitan_sound.so")));
        for (const QString& data : {QStringLiteral("Images"), QStringLiteral("counters"), QStringLiteral("wav")}) {
            folder.mkdir(data);
            QDirIterator files(built.filePath(data), QDir::Files);
            while (files.hasNext()) {
                const QString file = files.next();
                QFile::copy(file, path(data + QLatin1Char('/') + QFileInfo(file).fileName()));
            }
        }
    }

    QString path(const QString& relative) const { return folder.filePath(relative); }
    QString savedGame() const { return path(QStringLiteral("lastgame.inf")); }

    void removeFolder(const char* name) { QDir(path(QString::fromLatin1(name))).removeRecursively(); }

    void breakEveryFile(const char* folderName, const QByteArray& bytes)
    {
        QDirIterator files(path(QString::fromLatin1(folderName)), QDir::Files);
        while (files.hasNext()) {
            writeFile(files.next(), bytes);
        }
    }

    // Plays through the harness and returns what it printed; fails on a crash or a hang.
    QString play(const QString& shellPrefix = QString())
    {
        QProcess process;
        process.setWorkingDirectory(temporary.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), userData.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("sh"),
                      {QStringLiteral("-c"), shellPrefix + QStringLiteral(" exec ./zorbitan-harness")});
        const bool finished = process.waitForFinished(120000);
        QString output = QString::fromLocal8Bit(process.readAll());
        EXPECT_TRUE(finished) << "the program hung:\n" << output.toStdString();
        if (!finished) {
            process.kill();
            process.waitForFinished();
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << output.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("harness: PASSED"))) << output.toStdString();
        return output;
    }

    void expectTheSecondGameSaved(const QString& where = QString()) const
    {
        const QByteArray saved = readFile(where.isEmpty() ? savedGame() : where);
        EXPECT_TRUE(saved.startsWith("1\r\n1\r\n")) << "Blue's counter on 1 was not saved";
        EXPECT_TRUE(saved.endsWith("2\r\n1\r\n1\r\n")) << saved.right(12).toStdString();
    }

    QTemporaryDir temporary;
    QTemporaryDir runtime;
    QTemporaryDir userData;
    QDir folder{temporary.path()};
};
} // namespace

TEST_F(HostileFolder, AsBuilt)
{
    play();
    expectTheSecondGameSaved();
}

TEST_F(HostileFolder, NoSoundsFolder)
{
    removeFolder("wav");
    play();
    expectTheSecondGameSaved();
}

TEST_F(HostileFolder, NoCountersFolder)
{
    removeFolder("counters");
    play();
    expectTheSecondGameSaved();
}

TEST_F(HostileFolder, NoPicturesFolder)
{
    removeFolder("Images");
    play();
    expectTheSecondGameSaved();
}

TEST_F(HostileFolder, BrokenAndTruncatedSounds)
{
    breakEveryFile("wav", "RIFF\x10\x00\x00\x00WAVEfmt ");
    const QByteArray whole = readFile(QFileInfo(harnessProgram).dir().filePath(QStringLiteral("wav/klaxon.wav")));
    writeFile(path(QStringLiteral("wav/klaxon.wav")), whole.left(whole.size() / 3));
    writeFile(path(QStringLiteral("wav/click.wav")), QByteArray(5000, '\x7f'));
    play();
    expectTheSecondGameSaved();
}

TEST_F(HostileFolder, PicturesThatAreNoPictures)
{
    breakEveryFile("counters", "BM\x36\x00\x00\x00 not a bitmap at all");
    breakEveryFile("Images", QByteArray(300, 'z'));
    play();
    expectTheSecondGameSaved();
}

// The game left in the folder comes back; new games are kept in the user's own data
// folder. As root the folder's permissions stop nothing, so a file-size limit also
// stands in for a full disk: every write beyond 200 bytes fails.
TEST_F(HostileFolder, WorkingFolderCannotBeWritten)
{
    writeFile(savedGame(), earlierSavedGame());
    chmod(qPrintable(temporary.path()), 0555);
    const QString output = play(QStringLiteral("trap '' XFSZ; ulimit -f 1;"));
    chmod(qPrintable(temporary.path()), 0755);
    EXPECT_TRUE(output.contains(QStringLiteral("a saved game came back")));
    EXPECT_EQ(readFile(savedGame()), earlierSavedGame());

    if (geteuid() != 0) { // a folder root cannot be kept out of
        chmod(qPrintable(temporary.path()), 0555);
        play();
        chmod(qPrintable(temporary.path()), 0755);
        EXPECT_EQ(readFile(savedGame()), earlierSavedGame());
        expectTheSecondGameSaved(userData.filePath(QStringLiteral("zorbitan/lastgame.inf")));
    }
}

TEST_F(HostileFolder, SavedGameIsAFolder)
{
    folder.mkdir(QStringLiteral("lastgame.inf"));
    play();
    EXPECT_TRUE(QFileInfo(savedGame()).isDir());
}

TEST_F(HostileFolder, SavedGameIsAPipeOrUnreadable)
{
    ASSERT_EQ(mkfifo(qPrintable(savedGame()), 0644), 0);
    EXPECT_TRUE(play().contains(QStringLiteral("no saved game to bring back")));
    expectTheSecondGameSaved();

    writeFile(savedGame(), earlierSavedGame());
    chmod(qPrintable(savedGame()), 0);
    play();
    expectTheSecondGameSaved();
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
