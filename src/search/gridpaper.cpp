#include "gridpaper.h"

#include "sheet/papersheet.h"
#include "ui/fonts.h"

#include <QLocale>
#include <QMimeData>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace search {

const QString GradeLegend =
    u"3 : la fiche nomme le symptôme dans la première phrase d'un de ses paragraphes ; "
    u"2 : ailleurs dans ses indications ; 1 : seulement parmi ses mots-clés ou dans son "
    u"en-tête ; case vide : la fiche ne le nomme pas. La note dit où la fiche en parle, "
    u"non l'efficacité du remède."_s;

namespace {

QString dated(const QDate& date)
{
    return QLocale(QLocale::French, QLocale::France).toString(date, u"d MMMM yyyy"_s);
}

QString gradeText(int grade)
{
    return grade > 0 ? QString::number(grade) : QString();
}

} // namespace

std::unique_ptr<QTextDocument> paperGrid(const refdata::RemedyTable& table, const Outcome& outcome,
                                         const QString& query, const QDate& date)
{
    QString html = u"<h2 style=\"color:#0000ff\">Répertoire</h2>"
                   u"<p><b>Recherche :</b> %1<br/><b>Date :</b> %2</p>"_s.arg(query.toHtmlEscaped(),
                                                                              dated(date));
    // The symptoms' titles in a smaller face, so that eight of them fit the width.
    html += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">"
            u"<thead style=\"font-size:7pt\"><tr><th align=\"left\" width=\"24%\">Remède</th>"
            u"<th>Note</th>"_s;
    for (const QString& s : outcome.symptoms)
        html += u"<th>%1</th>"_s.arg(s.toHtmlEscaped());
    html += u"<th>Symp&shy;tômes</th><th>Total</th></tr></thead>"_s;
    for (const Row& r : outcome.rows) {
        html += u"<tr><td style=\"white-space:nowrap\">%1</td><td align=\"center\">%2</td>"_s.arg(
            table.latinName[r.remedy].trimmed().toHtmlEscaped(),
            table.rating[r.remedy].trimmed().toHtmlEscaped());
        for (int g : r.grades)
            html += u"<td align=\"center\">%1</td>"_s.arg(gradeText(g));
        html +=
            u"<td align=\"center\">%1</td><td align=\"center\">%2</td></tr>"_s.arg(r.covered).arg(
                r.total);
    }
    html += u"</table><p style=\"font-size:small\">%1</p>"_s.arg(GradeLegend.toHtmlEscaped());
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(ui::designFont(ui::Face::Tahoma, 10));
    document->setHtml(html);
    return document;
}

std::unique_ptr<QMimeData> gridMimeData(const refdata::RemedyTable& table, const Outcome& outcome,
                                        const QString& query, const QDate& date,
                                        const QString& version)
{
    const sheet::Footer footer{version, date};
    const std::unique_ptr<QTextDocument> document = paperGrid(table, outcome, query, date);
    QString html = document->toHtml();
    html.replace(u"</body>"_s, u"<p style=\"font-size:small\">%1<br/>%2</p></body>"_s.arg(
                                   footer.signature().toHtmlEscaped(),
                                   sheet::Footer::Disclaimer.toHtmlEscaped()));
    QStringList lines{u"Répertoire"_s, u"Recherche : "_s + query, u"Date : "_s + dated(date), {}};
    QStringList head{u"Remède"_s, u"Note"_s};
    head += outcome.symptoms;
    head << u"Symptômes"_s << u"Total"_s;
    lines << head.join(u'\t');
    for (const Row& r : outcome.rows) {
        QStringList cells{table.latinName[r.remedy].trimmed(), table.rating[r.remedy].trimmed()};
        for (int g : r.grades)
            cells << gradeText(g);
        cells << QString::number(r.covered) << QString::number(r.total);
        lines << cells.join(u'\t');
    }
    lines << QString() << GradeLegend << QString() << footer.signature()
          << sheet::Footer::Disclaimer;
    auto data = std::make_unique<QMimeData>();
    data->setHtml(html);
    data->setText(lines.join(u'\n'));
    return data;
}

} // namespace search
