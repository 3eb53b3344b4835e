// The network questionnaire end to end: the written HTML form is opened in a
// headless browser, filled in and posted to a small HTTP server that stores
// each posted form as an answer file, the way a form-processing script on the
// web server would; the answer folder is then imported and the stored
// samples compared with what was filled in.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <numeric>

#include "imports/network_answer_import.h"
#include "imports/network_forms.h"
#include "model/answer_store.h"
#include "support/enter_reply.h"
#include "support/network_survey.h"

namespace kz::test {
namespace {

// Fills one respondent's form in a frame of its own and presses 送る.
const QByteArray FillPage = R"(<html><head><meta charset="utf-8"></head><body>
<iframe id="a" src="/form.html"></iframe><iframe id="b" src="/form.html"></iframe>
<script>
function check(d, name, value) { d.querySelector(`input[name="${name}"][value="${value}"]`).checked = true; }
function type(d, name, texts) {
  const fields = d.querySelectorAll(`input[name="${name}"]`);
  texts.forEach((text, i) => { fields[i].value = text; });
}
const fills = {
  a: d => { check(d, "KZANSQ0", "KZCHQ0C2"); check(d, "KZANSQ1", "KZCHQ1C1"); check(d, "KZANSQ1", "KZCHQ1C3");
            type(d, "KZESQ1C3", ["抹茶‖ラテ😀"]); type(d, "KZESQ2C1", ["花子", ""]); },
  b: d => { check(d, "KZANSQ0", "KZCHQ0C1"); type(d, "KZESQ2C1", ["太郎", "山田"]); },
};
for (const id of ["a", "b"]) {
  const frame = document.getElementById(id);
  let filled = false;
  frame.onload = () => {
    if (filled) return;
    filled = true;
    const d = frame.contentDocument;
    fills[id](d);
    d.querySelector('input[type="submit"]').click();
  };
}
</script></body></html>)";

// A posted body as the form script writes it: each field decoded (to the
// Shift-JIS bytes the page's encoding gave them) on a line of its own.
QByteArray AnswerFile(const QByteArray& body)
{
    QByteArray file;
    for (const QByteArray& field : body.split('&')) {
        QByteArray decoded = field;
        decoded.replace('+', ' ');
        file += QByteArray::fromPercentEncoding(decoded) + "&\r\n";
    }
    return file;
}

// Serves the fill page and the form, and stores each post in `answerDir`.
class FormServer : public QObject {
public:
    FormServer(QByteArray form, QString answerDir) : form_(std::move(form)), answerDir_(std::move(answerDir))
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }
    bool listen() { return server_.listen(QHostAddress::LocalHost); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/fill.html").arg(server_.serverPort()); }
    int posts = 0;

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        const qsizetype headerEnd = request.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QByteArray head = request.left(headerEnd);
        qsizetype length = 0;
        for (const QByteArray& line : head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        if (request.size() < headerEnd + 4 + length)
            return;
        const QByteArray body = request.mid(headerEnd + 4, length);
        const QList<QByteArray> requestLine = head.left(head.indexOf('\r')).split(' ');
        const QByteArray path = requestLine.value(1);
        QByteArray status = "200 OK";
        QByteArray content = "<html><body>ok</body></html>";
        if (path == "/fill.html") {
            content = FillPage;
        } else if (path == "/form.html") {
            content = form_;
        } else if (path == "/scripts/getsmpl.cgi" && requestLine.value(0) == "POST") {
            QFile file(QDir(answerDir_).filePath(QStringLiteral("answer%1.txt").arg(++posts)));
            if (file.open(QIODevice::WriteOnly))
                file.write(AnswerFile(body));
        } else {
            status = "404 Not Found";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: "
                      + QByteArray::number(content.size()) + "\r\nConnection: close\r\n\r\n" + content);
        socket->disconnectFromHost();
        requests_.remove(socket);
    }

    QTcpServer server_;
    QByteArray form_;
    QString answerDir_;
    QHash<QTcpSocket*, QByteArray> requests_;
};

QString FindBrowser()
{
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

class NetworkFormInBrowser : public SurveyFixture {};

TEST_F(NetworkFormInBrowser, FilledFormsBecomeSamples)
{
    const QString browser = FindBrowser();
    if (browser.isEmpty())
        GTEST_SKIP() << "no browser: install chromium (apt-get install chromium) to run this test";
    int argc = 1;
    char name[] = "network_browser_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    BuildNetworkSurvey(*this);
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("in")) && QDir(root.path()).mkpath(QStringLiteral("out")));
    const WWWFolders folders{root.filePath(QStringLiteral("in")), root.filePath(QStringLiteral("out"))};
    const QString formPath = root.filePath(QStringLiteral("form.html"));
    ASSERT_TRUE(WriteQuestionnaireHTML(survey, formPath, {QStringLiteral("cafe1"), false}));
    QFile form(formPath);
    ASSERT_TRUE(form.open(QIODevice::ReadOnly));

    FormServer server(form.readAll(), folders.answerDir);
    ASSERT_TRUE(server.listen());
    QProcess chromium;
    chromium.start(browser,
                   {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                    QStringLiteral("--no-first-run"), QStringLiteral("--user-data-dir=") + root.filePath("profile"),
                    QStringLiteral("--virtual-time-budget=10000"), QStringLiteral("--dump-dom"), server.url()});
    // A loaded machine may take a while to start the browser.
    const QDeadlineTimer deadline(50000);
    while (server.posts < 2 && !deadline.hasExpired() && chromium.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    // Posts still on their way when the browser ended.
    const QDeadlineTimer grace(2000);
    while (server.posts < 2 && !grace.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    chromium.kill();
    chromium.waitForFinished();
    ASSERT_EQ(server.posts, 2) << "the browser did not post both forms: "
                               << chromium.readAllStandardError().toStdString();

    Long ID = 1;
    const WWWImportEnd end = ImportWWWAnswers(
        workspace, folders, {QStringLiteral("cafe1"), 2},
        [this, &ID](const WWWAnswer& answer) {
            return EnterReply(workspace, ID++, WWWReplyText(survey, answer)).isEmpty() ? HandOver::Stored
                                                                                       : HandOver::Refused;
        },
        WWWImportView{[](const QString&, qint64) {}, {}});
    EXPECT_TRUE(end.refusedFiles.isEmpty());
    ASSERT_EQ(SampleCount(samples), 2);

    // The posts may come in either order; each sample is told by its name.
    QMap<QString, QString> stored;
    for (Long sample = 0; sample < SampleCount(samples); ++sample) {
        QVector<Integer> counts, codes;
        QVector<QString> texts;
        ReadSampleAnswers(workspace, sample, counts, codes, texts);
        const qsizetype held = std::accumulate(counts.begin(), counts.end(), qsizetype(0));
        QString answers;
        for (qsizetype i = 0; i < held; ++i)
            answers += QString::number(codes[i]) + (texts[i].isEmpty() ? QString() : u'/' + texts[i]) + u' ';
        stored[texts.value(held - 1)] = answers.trimmed();
    }
    // Characters Shift-JIS lacks come as character references: CP932's own where it has one.
    EXPECT_EQ(stored.value(QStringLiteral("花子")), QStringLiteral("2 1 3/抹茶∥ラテ&#128512; 1/花子"));
    EXPECT_EQ(stored.value(QStringLiteral("太郎 山田")), QStringLiteral("1 0 1/太郎 山田"));
    EXPECT_TRUE(QDir(folders.answerDir).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(QDir(folders.backupDir).entryList(QDir::Files).size(), 2);
}

}  // namespace
}  // namespace kz::test
