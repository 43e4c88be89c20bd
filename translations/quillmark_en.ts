<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>BookFolios</name>
    <message>
        <source>djvused не сообщил число страниц документа %1</source>
        <translation>djvused did not report the page count of the document %1</translation>
    </message>
</context>
<context>
    <name>BookLock</name>
    <message>
        <source>Документ %1 сейчас обрабатывает другая программа (%2, процесс %3 на %4). Дождитесь её завершения и запустите снова.</source>
        <translation>Another program is working on the document %1 (%2, process %3 on %4). Wait until it ends and run again.</translation>
    </message>
    <message>
        <source>Не удалось заблокировать документ %1 (файл блокировки %2)</source>
        <translation>Could not lock the document %1 (lock file %2)</translation>
    </message>
    <message>
        <source>файл блокировки пуст или повреждён</source>
        <translation>the lock file is empty or damaged</translation>
    </message>
    <message>
        <source>процесс %1 завершён</source>
        <translation>process %1 has ended</translation>
    </message>
    <message>
        <source>процесс %1 запущен позже, чем создана блокировка</source>
        <translation>process %1 started after the lock was made</translation>
    </message>
    <message>
        <source>Снята оставшаяся блокировка %1 (%2)</source>
        <translation>Took over the lock %1 left behind (%2)</translation>
    </message>
</context>
<context>
    <name>BookPageNumbers</name>
    <message>
        <source>Файл не найден: %1</source>
        <translation>File not found: %1</translation>
    </message>
</context>
<context>
    <name>BookReading</name>
    <message>
        <source>Файл не найден</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Не удалось вывести результат: %1</source>
        <translation>Could not write the result: %1</translation>
    </message>
</context>
<context>
    <name>BookSession</name>
    <message>
        <source>%1 не является файлом документа</source>
        <translation>%1 is not a document file</translation>
    </message>
</context>
<context>
    <name>CliFrontEnd</name>
    <message>
        <source>Ошибка: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Не удалось создать временную папку</source>
        <translation>Could not create a temporary folder</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>имя «%1» не в кодировке UTF-8, такой файл не открыть: переименуйте его</source>
        <translation>the name “%1” is not UTF-8, such a file cannot be opened: rename it</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Гиперссылки содержания и указателя в DjVu книгах. Названные файлы DjVu добавляются в список вкладки "Создать".</source>
        <translation>Contents and index hyperlinks in DjVu books. The DjVu files named are added to the list of the "Create" tab.</translation>
    </message>
    <message>
        <source>файлы DjVu</source>
        <translation>DjVu files</translation>
    </message>
    <message>
        <source>[ФАЙЛ...]</source>
        <translation>[FILE...]</translation>
    </message>
</context>
<context>
    <name>CreateCommand</name>
    <message>
        <source>Неверно заданы страницы: %1</source>
        <translation>The pages are set wrongly: %1</translation>
    </message>
    <message>
        <source>Не удалось открыть стандартный вывод</source>
        <translation>Could not open the standard output</translation>
    </message>
    <message>
        <source>Не удалось вывести результат: %1</source>
        <translation>Could not write the result: %1</translation>
    </message>
</context>
<context>
    <name>CreateJob</name>
    <message>
        <source>«%1» не цвет RRGGBB</source>
        <translation>“%1” is not an RRGGBB colour</translation>
    </message>
</context>
<context>
    <name>CreateRun</name>
    <message>
        <source>Закладки создаются только по содержанию</source>
        <translation>Bookmarks are created from contents only</translation>
    </message>
    <message>
        <source>Файл не найден: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Создание содержания</source>
        <translation>Creating the contents</translation>
    </message>
    <message>
        <source>Страницы %1–%2 не найдены в документе %3 (в нём %4 стр.)</source>
        <translation>Pages %1–%2 were not found in the document %3 (it has %4 pages)</translation>
    </message>
    <message>
        <source>Не удалось вывести результат: %1</source>
        <translation>Could not write the result: %1</translation>
    </message>
    <message>
        <source>Внимание: страница %1 не изменена: в её аннотациях есть строка «.» вне записей, djvused выполнил бы текст после неё как команды</source>
        <translation>Warning: page %1 is left unchanged: its annotations hold a line "." outside their records, djvused would run the text after it as commands</translation>
    </message>
    <message>
        <source>Внимание: djvused не может прочитать страницы %1; проверка смещения их пропускает</source>
        <translation>Warning: djvused cannot read pages %1; the offset check skips them</translation>
    </message>
    <message>
        <source>Страницы книги названы, ссылки ведут на имена страниц</source>
        <translation>The book's pages carry titles: the links name their pages by their ids</translation>
    </message>
    <message>
        <source>Страницы книги названы, но их имена в списке djvused читаются неоднозначно: ссылки ведут на номера страниц</source>
        <translation>The book's pages carry titles, but djvused lists their ids ambiguously: the links name their pages by number</translation>
    </message>
    <message>
        <source>Страницы книги названы, но имя страницы %1 («%2») совпадает с названием или номером другой страницы: ссылки ведут на номера страниц</source>
        <translation>The book's pages carry titles, but the id of page %1 (“%2”) is the title or the number of another page: the links name their pages by number</translation>
    </message>
    <message>
        <source>Скрытый текст будет удалён со страниц: %1</source>
        <translation>Hidden text would be removed from pages: %1</translation>
    </message>
    <message>
        <source>Скрытый текст удалён со страниц: %1</source>
        <translation>Hidden text removed from pages: %1</translation>
    </message>
    <message>
        <source>Страницы без текста прочитаны с изображения: %1 (%2 с)</source>
        <translation>Pages without text read from their images: %1 (%2 s)</translation>
    </message>
    <message>
        <source>(%1 список)</source>
        <translation>(%1 list)</translation>
    </message>
    <message>
        <source>(%1 списка)</source>
        <translation>(%1 lists)</translation>
    </message>
    <message>
        <source>(%1 списков)</source>
        <translation>(%1 lists)</translation>
    </message>
    <message>
        <source>Содержание не найдено</source>
        <translation>No contents found</translation>
    </message>
    <message>
        <source>Содержание: стр. %1</source>
        <translation>Contents: pages %1</translation>
    </message>
    <message>
        <source>указатель не найден</source>
        <translation>no index found</translation>
    </message>
    <message>
        <source>указатель: стр. %1</source>
        <translation>index: pages %1</translation>
    </message>
    <message>
        <source>смещение %1</source>
        <translation>offset %1</translation>
    </message>
    <message>
        <source>смещение не найдено</source>
        <translation>no offset found</translation>
    </message>
    <message>
        <source>не найдено ни содержания, ни указателя</source>
        <translation>found neither contents nor an index</translation>
    </message>
    <message>
        <source>Страницы не похожи на указатель, пропущены: %1</source>
        <translation>Pages that do not look like an index, skipped: %1</translation>
    </message>
    <message>
        <source>Страницы не похожи на содержание, пропущены: %1</source>
        <translation>Pages that do not look like contents, skipped: %1</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1; создано ссылок: %2</source>
        <translation>%1; links made: %2</translation>
    </message>
    <message>
        <source>Программа tesseract не найдена: сомнительные номера не перечитаны с изображения страниц</source>
        <translation>The program tesseract is not found: doubtful numbers were not read again from the page images</translation>
    </message>
    <message>
        <source>Внимание: номера не перечитаны с изображения: %1</source>
        <translation>Warning: numbers not read again from the image: %1</translation>
    </message>
    <message>
        <source>Перечитаны с изображения страниц сомнительные номера: %1, из них исправлено: %2, подтверждено: %3</source>
        <translation>Doubtful numbers read again from the page images: %1, corrected: %2, confirmed: %3</translation>
    </message>
    <message>
        <source>стр. %1: %2</source>
        <translation>p. %1: %2</translation>
    </message>
    <message>
        <source>Исправлены номера по тексту страниц: %1 (%2)</source>
        <translation>Numbers corrected by the text of the pages: %1 (%2)</translation>
    </message>
    <message>
        <source>Сомнительные номера, ссылки не созданы: %1 (%2)</source>
        <translation>Doubtful numbers, no links made: %1 (%2)</translation>
    </message>
    <message>
        <source>Внимание: в книге нет скрытого текста (OCR): распознайте её или прочитайте страницы с изображения (--ocr)</source>
        <translation>Warning: the book has no hidden text (OCR): recognise it or read its pages from their images (--ocr)</translation>
    </message>
    <message>
        <source>Внимание: номера страниц книги не прочитаны: на её страницах нет скрытого текста; ссылки не созданы, задайте смещение</source>
        <translation>Warning: the book's page numbers were not read: its pages have no hidden text; no links made, give the offset</translation>
    </message>
    <message>
        <source>Номера страниц в книге не найдены, смещение по заголовкам глав не определено: ссылки по номерам не созданы</source>
        <translation>No page numbers found in the book, and the chapter titles give no offset: no links by page numbers created</translation>
    </message>
    <message>
        <source>Номера страниц в книге не найдены; смещение %1 найдено по заголовкам глав (%2 из %3 записей содержания)</source>
        <translation>No page numbers found in the book; offset %1 found from the chapter titles (%2 of %3 contents entries)</translation>
    </message>
    <message>
        <source>Номера сверены с начертанием цифр книги (стр. %1): прочитаны иначе, чем в тексте: %2</source>
        <translation>Numbers compared with the book's own digit shapes (p. %1): read otherwise than the text: %2</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>DjVu файлы</source>
        <translation>DjVu files</translation>
    </message>
    <message>
        <source>Файл %1 не найден</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: нет программы для файлов DjVu или она не запускается</source>
        <translation>Could not open the file %1: there is no application for DjVu files, or it does not start</translation>
    </message>
</context>
<context>
    <name>DjvusedRunner</name>
    <message>
        <source>Файл djvused.exe не найден</source>
        <translation>The file djvused.exe was not found</translation>
    </message>
    <message>
        <source>Не удалось создать резервную копию %1: %2</source>
        <translation>Could not make the backup copy %1: %2</translation>
    </message>
    <message>
        <source>Не удалось удалить временный файл %1</source>
        <translation>Could not remove the temporary file %1</translation>
    </message>
    <message>
        <source>Не удалось запустить djvused (%1): %2</source>
        <translation>Could not start djvused (%1): %2</translation>
    </message>
    <message>
        <source>Работа djvused прервана (%1)</source>
        <translation>djvused was interrupted (%1)</translation>
    </message>
    <message>
        <source>djvused завершился аварийно (%1)%2</source>
        <translation>djvused crashed (%1)%2</translation>
    </message>
    <message>
        <source>Ошибка djvused (%1, код %2)%3</source>
        <translation>djvused error (%1, code %2)%3</translation>
    </message>
    <message>
        <source>Файл не найден</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Вывод djvused -e %1 для %2 неполный или повреждён</source>
        <translation>djvused's output of -e %1 for %2 is incomplete or damaged</translation>
    </message>
    <message>
        <source>djvused не сообщил число страниц документа %1</source>
        <translation>djvused did not report the page count of the document %1</translation>
    </message>
    <message>
        <source>В документе %1 есть часть размером %2 байт. djvused не может сохранить документ с частью от 16 МиБ: он записал бы испорченный файл. Документ не изменён.</source>
        <translation>The document %1 has a part of %2 bytes. djvused cannot save a document with a part of 16 MiB or more: it would write a damaged file. The document is not changed.</translation>
    </message>
    <message>
        <source>После сохранения документ содержит %1 стр. вместо %2</source>
        <translation>After saving, the document has %1 pages instead of %2</translation>
    </message>
    <message>
        <source>После сохранения часть документа занимает %1 байт (16 МиБ и более)</source>
        <translation>After saving, a part of the document takes %1 bytes (16 MiB or more)</translation>
    </message>
    <message>
        <source>После сохранения djvused не смог прочитать все части документа</source>
        <translation>After saving, djvused could not read all parts of the document</translation>
    </message>
    <message>
        <source>После сохранения файл %1 не совпадает с собственным оглавлением (%2 байт вместо %3)</source>
        <translation>After saving, the file %1 does not match its own directory (%2 bytes instead of %3)</translation>
    </message>
    <message>
        <source>Документ %1 изменён другой программой после того, как был прочитан; изменения не записаны, запустите снова.</source>
        <translation>The document %1 was changed by another program after it was read; the changes were not written, run again.</translation>
    </message>
    <message>
        <source>%1
Документ оставлен без изменений.</source>
        <translation>%1
The document was left unchanged.</translation>
    </message>
    <message>
        <source>Резервная копия: %1</source>
        <translation>Backup: %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Файл %1 не является документом DjVu или повреждён</source>
        <translation>The file %1 is not a DjVu document or is damaged</translation>
    </message>
</context>
<context>
    <name>FixRun</name>
    <message>
        <source>Возможно в файле отсутствует содержание (гиперссылки)</source>
        <translation>The file may have no contents (hyperlinks)</translation>
    </message>
    <message>
        <source>Возможно путь к файлу содержит русские символы</source>
        <translation>The path to the file may contain Russian characters</translation>
    </message>
    <message>
        <source>Список файлов изменился во время работы: строки %1 больше нет</source>
        <translation>The list of files changed during the job: row %1 is gone</translation>
    </message>
    <message>
        <source>Файл %1 не найден</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Начало обработки файла %1</source>
        <translation>Processing the file %1</translation>
    </message>
    <message>
        <source>Нахождение максимальных и минимальных значений координат</source>
        <translation>Finding the smallest and largest coordinates</translation>
    </message>
    <message>
        <source>Исправление скрипта</source>
        <translation>Correcting the script</translation>
    </message>
    <message>
        <source>Выровнено областей: %1 (страниц: %2)</source>
        <translation>Areas aligned: %1 (pages: %2)</translation>
    </message>
    <message>
        <source>Внимание: не изменены (их аннотации не читаются как записи): %1</source>
        <translation>Warning: left unchanged (their annotations do not read as records): %1</translation>
    </message>
    <message>
        <source>Страницы без выравнивания (не похожи на содержание): %1</source>
        <translation>Pages not aligned (they do not look like contents): %1</translation>
    </message>
    <message>
        <source>Не выровнены ссылки вне страниц: %1</source>
        <translation>Links outside the pages not aligned: %1</translation>
    </message>
</context>
<context>
    <name>FixScript</name>
    <message>
        <source>Вывод djvused (аннотации) не читается: строка %1</source>
        <translation>djvused's output (annotations) does not read: line %1</translation>
    </message>
    <message>
        <source>Выровненный текст аннотаций не совпадает с прочитанным</source>
        <translation>The aligned annotation text does not match the text read</translation>
    </message>
    <message>
        <source>стр. %1</source>
        <translation>p. %1</translation>
    </message>
</context>
<context>
    <name>FolioMap</name>
    <message>
        <source>стр. %1-%2: без номера</source>
        <translation>pages %1-%2: no number</translation>
    </message>
    <message>
        <source>стр. %1-%2: номера %3-%4 (римские)</source>
        <translation>pages %1-%2: numbers %3-%4 (Roman)</translation>
    </message>
    <message>
        <source>стр. %1-%2: номера %3-%4, смещение %5</source>
        <translation>pages %1-%2: numbers %3-%4, offset %5</translation>
    </message>
</context>
<context>
    <name>FolioTargets</name>
    <message>
        <source>римские номера</source>
        <translation>Roman numbers</translation>
    </message>
    <message>
        <source>Страницы по номерам книги, смещение: %1</source>
        <translation>Pages by the book's numbers, offset: %1</translation>
    </message>
    <message>
        <source>нет ссылок</source>
        <translation>no links</translation>
    </message>
    <message>
        <source>Номера, которых нет в книге, ссылки не созданы (%1): %2</source>
        <translation>Numbers the book does not have, no links created (%1): %2</translation>
    </message>
    <message>
        <source>%1 → стр. %2 (на ней %3)</source>
        <translation>%1 → page %2 (which carries %3)</translation>
    </message>
    <message>
        <source>Внимание: смещение %1 не совпадает с номерами страниц книги у %2 из %3 проверенных ссылок, например: %4</source>
        <translation>Attention: the offset %1 does not match the book's page numbers for %2 of %3 links checked, for example: %4</translation>
    </message>
</context>
<context>
    <name>HeadlessFrontEnd</name>
    <message>
        <source>В списке нет строки %1</source>
        <translation>The list has no row %1</translation>
    </message>
</context>
<context>
    <name>JobLock</name>
    <message>
        <source>Другая копия Quillmark уже выполняет задание в папке %1</source>
        <translation>Another copy of Quillmark is running a job in the folder %1</translation>
    </message>
    <message>
        <source>Не удалось создать файл блокировки %1</source>
        <translation>Could not create the lock file %1</translation>
    </message>
</context>
<context>
    <name>JobLog</name>
    <message>
        <source>Ни один файл не выбран !</source>
        <translation>No file selected!</translation>
    </message>
    <message>
        <source>Получение данных из файла, создание скрипта</source>
        <translation>Reading the file, making the script</translation>
    </message>
    <message>
        <source>Исправление исходного DjVu файла</source>
        <translation>Changing the DjVu file</translation>
    </message>
    <message>
        <source>Операция не завершена по причине ошибки</source>
        <translation>The operation was not finished because of an error</translation>
    </message>
    <message>
        <source>Редактирование файла %1 завершено</source>
        <translation>Editing of the file %1 finished</translation>
    </message>
    <message>
        <source>Пропущено слов с числом длиннее 32 бит: %1 (стр. %2)</source>
        <translation>Words with a number longer than 32 bits skipped: %1 (p. %2)</translation>
    </message>
    <message>
        <source>Ссылок на страницы вне документа не создано: %1 (номера %2%3)</source>
        <translation>Links to pages outside the document not created: %1 (numbers %2%3)</translation>
    </message>
    <message>
        <source>Создано ссылок: %1 (стр. %2)</source>
        <translation>Links created: %1 (p. %2)</translation>
    </message>
    <message>
        <source>Внимание: ссылки не созданы</source>
        <translation>Attention: no links created</translation>
    </message>
    <message>
        <source>Внимание: на страницах %1 нет скрытого текста (OCR)</source>
        <translation>Attention: pages %1 have no hidden text (OCR)</translation>
    </message>
    <message>
        <source>Страницы без скрытого текста: %1</source>
        <translation>Pages without hidden text: %1</translation>
    </message>
    <message>
        <source>Страницы без найденных записей: %1</source>
        <translation>Pages without entries found: %1</translation>
    </message>
    <message>
        <source>Внимание: страницы %1–%2 за концом документа (в нём %3 стр.)</source>
        <translation>Attention: pages %1–%2 are past the end of the document (it has %3 pages)</translation>
    </message>
    <message>
        <source>Не обработаны: %1</source>
        <translation>Not processed: %1</translation>
    </message>
    <message>
        <source>стр. %1: %2 → %3</source>
        <translation>page %1: %2 → %3</translation>
    </message>
    <message>
        <source>Номера, изменённые в ответ на вопрос: %1 (%2)</source>
        <translation>Numbers changed in answer to the question: %1 (%2)</translation>
    </message>
    <message>
        <source>Внимание: в документе нет скрытого текста (OCR): сначала распознайте его</source>
        <translation>Attention: the document has no hidden text (OCR): recognise it first</translation>
    </message>
    <message>
        <source>Файл %1 не изменён: записывать нечего</source>
        <translation>File %1 not changed: nothing to write</translation>
    </message>
</context>
<context>
    <name>ListRows</name>
    <message>
        <source>Путь</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Страницы</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Вид работы</source>
        <translation>Work type</translation>
    </message>
</context>
<context>
    <name>Ocr</name>
    <message>
        <source>Tesseract вывел не таблицу слов</source>
        <translation>Tesseract did not print a table of words</translation>
    </message>
    <message>
        <source>Программа tesseract не найдена: для страниц без текста установите пакеты tesseract-ocr, tesseract-ocr-rus и tesseract-ocr-eng</source>
        <translation>The program tesseract is not found: for pages without text install the packages tesseract-ocr, tesseract-ocr-rus and tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>Tesseract не запускается</source>
        <translation>Tesseract does not start</translation>
    </message>
    <message>
        <source>У Tesseract нет языка %1: установите пакет tesseract-ocr-%1</source>
        <translation>Tesseract has no language %1: install the package tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>Программа ddjvu не найдена (пакет djvulibre-bin)</source>
        <translation>The program ddjvu was not found (package djvulibre-bin)</translation>
    </message>
    <message>
        <source>страница %1</source>
        <translation>page %1</translation>
    </message>
    <message>
        <source>ddjvu не смог отрисовать страницу: %1</source>
        <translation>ddjvu could not render the page: %1</translation>
    </message>
    <message>
        <source>Tesseract не смог прочитать страницу: %1</source>
        <translation>Tesseract could not read the page: %1</translation>
    </message>
</context>
<context>
    <name>OutlineEntries</name>
    <message>
        <source>Закладки не созданы: ни одна строка содержания не получила ссылку</source>
        <translation>No bookmarks created: no contents line got a link</translation>
    </message>
    <message>
        <source>Создано закладок: %1</source>
        <translation>Bookmarks created: %1</translation>
    </message>
    <message>
        <source>Оглавление (%1 закладок) заменено</source>
        <translation>Outline (%1 bookmarks) replaced</translation>
    </message>
    <message>
        <source>Оглавление книги (%1 закладок) будет сохранено, закладки не будут созданы</source>
        <translation>The book's outline (%1 bookmarks) would be kept; no bookmarks would be made</translation>
    </message>
    <message>
        <source>Оглавление книги (%1 закладок) сохранено, закладки не созданы</source>
        <translation>The book's outline (%1 bookmarks) is kept; no bookmarks made</translation>
    </message>
    <message>
        <source>Оглавление (%1 закладок) будет заменено</source>
        <translation>The outline (%1 bookmarks) would be replaced</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source>Программа ddjvu не найдена (пакет djvulibre-bin)</source>
        <translation>The program ddjvu was not found (package djvulibre-bin)</translation>
    </message>
    <message>
        <source>Страница %1 не отрисована: %2</source>
        <translation>Page %1 was not rendered: %2</translation>
    </message>
    <message>
        <source>Не удалось запустить ddjvu: %1</source>
        <translation>Could not start ddjvu: %1</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Стр.</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Ссылка на</source>
        <translation>Links to</translation>
    </message>
    <message>
        <source>Закладки</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>◀ Назад</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Предыдущая страница (Page Up)</source>
        <translation>Previous page (Page Up)</translation>
    </message>
    <message>
        <source>Вперёд ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Следующая страница (Page Down)</source>
        <translation>Next page (Page Down)</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Уменьшить (Ctrl+колесо)</source>
        <translation>Zoom out (Ctrl+wheel)</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Увеличить (Ctrl+колесо)</source>
        <translation>Zoom in (Ctrl+wheel)</translation>
    </message>
    <message>
        <source>По размеру окна</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source> (в документе)</source>
        <translation> (in the document)</translation>
    </message>
    <message>
        <source>Просмотр — %1</source>
        <translation>Preview — %1</translation>
    </message>
    <message>
        <source>&lt;span style='color:%1'&gt;■ новые ссылки&lt;/span&gt; &lt;span style='color:%2'&gt;■ в документе&lt;/span&gt;</source>
        <translation>&lt;span style='color:%1'&gt;■ new links&lt;/span&gt; &lt;span style='color:%2'&gt;■ in the document&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;span style='color:%1'&gt;■ до выравнивания&lt;/span&gt; &lt;span style='color:%2'&gt;■ после&lt;/span&gt;</source>
        <translation>&lt;span style='color:%1'&gt;■ before alignment&lt;/span&gt; &lt;span style='color:%2'&gt;■ after&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Чтение документа…</source>
        <translation>Reading the document…</translation>
    </message>
    <message>
        <source>Не удалось создать временную папку</source>
        <translation>Could not create a temporary folder</translation>
    </message>
    <message>
        <source>Нет страниц</source>
        <translation>No pages</translation>
    </message>
    <message>
        <source>Стр. %1 (%2 из %3)</source>
        <translation>Page %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>Страница %1 не отрисована: ddjvu выдал не картинку</source>
        <translation>Page %1 was not rendered: ddjvu gave no picture</translation>
    </message>
    <message>
        <source>нет текста под областью</source>
        <translation>no text under the area</translation>
    </message>
    <message>
        <source>Часть книги</source>
        <translation>Part of the book</translation>
    </message>
</context>
<context>
    <name>RangeRead</name>
    <message>
        <source>Вывод djvused для страницы %1 неполный или повреждён (%2)</source>
        <translation>djvused's output for page %1 is incomplete or damaged (%2)</translation>
    </message>
    <message>
        <source>лишняя страница</source>
        <translation>an extra page</translation>
    </message>
    <message>
        <source>нет размера страницы</source>
        <translation>no page size</translation>
    </message>
    <message>
        <source>непонятная строка</source>
        <translation>an unknown line</translation>
    </message>
    <message>
        <source>блок без конца</source>
        <translation>an unterminated block</translation>
    </message>
    <message>
        <source>страницы не все</source>
        <translation>pages missing</translation>
    </message>
</context>
<context>
    <name>RowPreview</name>
    <message>
        <source>Файл %1 не найден</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Аннотации документа %1 не распознаны</source>
        <translation>The annotations of the document %1 were not recognised</translation>
    </message>
    <message>
        <source>«%1»: такой страницы нет</source>
        <translation>“%1”: no such page</translation>
    </message>
    <message>
        <source> («%1» ведёт не на стр. %2)</source>
        <translation> (“%1” does not open page %2)</translation>
    </message>
    <message>
        <source> (в разных программах просмотра по-разному)</source>
        <translation> (viewers differ)</translation>
    </message>
    <message>
        <source>Скрытый текст стр. %1 не прочитан: %2</source>
        <translation>The hidden text of page %1 was not read: %2</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Список иллюстраций</source>
        <translation>List of figures</translation>
    </message>
    <message>
        <source>Список таблиц</source>
        <translation>List of tables</translation>
    </message>
    <message>
        <source>Указатель</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>%1 %2 из %3</source>
        <translation>%1 %2 of %3</translation>
    </message>
    <message>
        <source> (основное)</source>
        <translation> (main)</translation>
    </message>
</context>
<context>
    <name>RowSettings</name>
    <message>
        <source>Первая страница</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Последняя страница</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Тип работы</source>
        <translation>Kind of work</translation>
    </message>
    <message>
        <source>Тип границы</source>
        <translation>Border type</translation>
    </message>
    <message>
        <source>Форма ссылки</source>
        <translation>Link shape</translation>
    </message>
    <message>
        <source>Ширина границы</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Всегда видно</source>
        <translation>Always visible</translation>
    </message>
    <message>
        <source>Подсветка области</source>
        <translation>Highlight the area</translation>
    </message>
    <message>
        <source>Делить на 2</source>
        <translation>Divide by 2</translation>
    </message>
    <message>
        <source>Стр. i</source>
        <translation>Page i</translation>
    </message>
    <message>
        <source>%1 в строке %2 (%3): %4</source>
        <translation>%1 in row %2 (%3): %4</translation>
    </message>
    <message>
        <source>Неверно задан вид работы: %1</source>
        <translation>The kind of work is set wrongly: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Алфавитный указатель 1</source>
        <translation>Alphabetic index 1</translation>
    </message>
    <message>
        <source>Алфавитный указатель 2</source>
        <translation>Alphabetic index 2</translation>
    </message>
    <message>
        <source>Содержание (авто)</source>
        <translation>Contents (automatic)</translation>
    </message>
    <message>
        <source>Указатель (авто)</source>
        <translation>Index (automatic)</translation>
    </message>
    <message>
        <source>по номерам книги</source>
        <translation>by the book's page numbers</translation>
    </message>
    <message>
        <source>Страницы %1, %2, смещение %3</source>
        <translation>Pages %1, %2, offset %3</translation>
    </message>
    <message>
        <source>Книга целиком (авто)</source>
        <translation>Whole book (automatic)</translation>
    </message>
    <message>
        <source>%1–конец</source>
        <translation>%1–end</translation>
    </message>
</context>
<context>
    <name>RunQuestions</name>
    <message>
        <source>Скрытый текст (OCR) будет удалён из книг:
%1

Без резервной копии его не вернуть. Продолжить?</source>
        <translation>The hidden text (OCR) will be removed from the books:
%1

Without a backup it cannot be got back. Go on?</translation>
    </message>
    <message>
        <source>Удалить текст</source>
        <translation>Remove the text</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>В книгах уже есть закладки:
%1

Заменить их закладками из содержания?</source>
        <translation>The books already have bookmarks:
%1

Replace them with bookmarks from the contents?</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Оставить</source>
        <translation>Keep</translation>
    </message>
</context>
<context>
    <name>ScriptDialect</name>
    <message>
        <source>пустое значение, нужно целое число</source>
        <translation>empty value, a whole number is needed</translation>
    </message>
    <message>
        <source>«%1» не умещается в 32 бита</source>
        <translation>“%1” does not fit in 32 bits</translation>
    </message>
    <message>
        <source>«%1» не целое число</source>
        <translation>“%1” is not a whole number</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quillmark v. 0.73</source>
        <translation>Quillmark v. 0.73</translation>
    </message>
    <message>
        <source>Редактировать</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Исправить</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Закрыть по завершению</source>
        <translation>Close when done</translation>
    </message>
    <message>
        <source>Очистить список по завершению</source>
        <translation>Clear the list when done</translation>
    </message>
    <message>
        <source>Создавать резервную копию</source>
        <translation>Make a backup copy</translation>
    </message>
    <message>
        <source>                        Примечание
   1. Для создания содержания  
необходимо наличие OCR (как минимум 
на страницах содержания)
   2. Выравнивание содержания 
работает только для гиперссылок 
вида прямоугольник и овал
   3. При выравнивании стиль границ 
остается как есть</source>
        <translation>                        Note
   1. Creating contents links  
needs an OCR text layer (at least 
on the contents pages)
   2. Contents alignment works 
only for hyperlinks shaped 
as rectangles and ovals
   3. Alignment leaves the border 
style as it is</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Страницы с</source>
        <translation>Pages from</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Тип работы</source>
        <translation>Kind of work</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Алфавитный указатель 1</source>
        <translation>Alphabetic index 1</translation>
    </message>
    <message>
        <source>Алфавитный указатель 2</source>
        <translation>Alphabetic index 2</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Делить на 2</source>
        <translation>Divide by 2</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Овал</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Тип границы</source>
        <translation>Border type</translation>
    </message>
    <message>
        <source>Не показывать</source>
        <translation>Do not show</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Простая граница</source>
        <translation>Plain border</translation>
    </message>
    <message>
        <source>Прямая тень</source>
        <translation>Shadow in</translation>
    </message>
    <message>
        <source>Обратная тень</source>
        <translation>Shadow out</translation>
    </message>
    <message>
        <source>Прямая тень от гравировки</source>
        <translation>Etched shadow in</translation>
    </message>
    <message>
        <source>Обратная тень от гравировки</source>
        <translation>Etched shadow out</translation>
    </message>
    <message>
        <source>Ширина границы</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Всегда видно</source>
        <translation>Always visible</translation>
    </message>
    <message>
        <source>Подсветка области</source>
        <translation>Highlight the area</translation>
    </message>
    <message>
        <source>Выровнять содержание</source>
        <translation>Align the contents</translation>
    </message>
    <message>
        <source>Спрашивать когда непонятно</source>
        <translation>Ask when unclear</translation>
    </message>
    <message>
        <source>Удалять OCR</source>
        <translation>Remove OCR</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Неверно заданы страницы</source>
        <translation>The pages are set wrongly</translation>
    </message>
    <message>
        <source>Не файлы DjVu, не добавлены:</source>
        <translation>Not DjVu files, not added:</translation>
    </message>
    <message>
        <source>Файл не выбран</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Содержание (авто)</source>
        <translation>Contents (automatic)</translation>
    </message>
    <message>
        <source>Указатель (авто)</source>
        <translation>Index (automatic)</translation>
    </message>
    <message>
        <source>Определить</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Найти смещение по номерам страниц, напечатанным в книге (файл — выбранная строка списка)</source>
        <translation>Find the offset from the page numbers printed in the book (the file of the selected row)</translation>
    </message>
    <message>
        <source>Создать закладки</source>
        <translation>Create bookmarks</translation>
    </message>
    <message>
        <source>Оглавление документа (закладки) из строк содержания, получивших ссылку; прежнее оглавление заменяется</source>
        <translation>The document's outline (bookmarks) from the contents lines that got a link; the old outline is replaced</translation>
    </message>
    <message>
        <source>По номерам страниц книги</source>
        <translation>By the book's page numbers</translation>
    </message>
    <message>
        <source>Каждая ссылка ведёт на страницу, на которой напечатан её номер, и там, где смещение меняется (вклейки); смещение строки не используется</source>
        <translation>Each link leads to the page that carries its printed number, also where the offset changes (inserts); the row's offset is not used</translation>
    </message>
    <message>
        <source>Стр. i</source>
        <translation>Page i</translation>
    </message>
    <message>
        <source>Страница документа, на которой напечатана страница i; пусто: римские номера не связываются (только для работ «авто»)</source>
        <translation>The document page that carries printed page i; empty: Roman page numbers are not linked (automatic kinds of work only)</translation>
    </message>
    <message>
        <source>Выберите в списке файл, смещение которого нужно определить</source>
        <translation>Select the file in the list whose offset is to be found</translation>
    </message>
    <message>
        <source>В скрытом тексте книги %1 не найдены номера страниц; смещение не определено</source>
        <translation>No page numbers were found in the hidden text of the book %1; the offset is not determined</translation>
    </message>
    <message>
        <source>Смещение меняется по книге %1; для страниц после %2 оно %3.

%4

Отметьте «По номерам страниц книги», чтобы каждая ссылка вела на страницу со своим номером.</source>
        <translation>The offset changes through the book %1; for the pages after %2 it is %3.

%4

Check “By the book's page numbers” so that each link leads to the page with its number.</translation>
    </message>
    <message>
        <source>Просмотр: страницы выбранной строки со ссылками, которые она создаст (ничего не записывается)</source>
        <translation>Preview: the pages of the selected row with the links it will make (nothing is written)</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Неверно задан тип границы</source>
        <translation>The border type is set wrongly</translation>
    </message>
    <message>
        <source>Неверно задан вид работы</source>
        <translation>The kind of work is set wrongly</translation>
    </message>
    <message>
        <source>Смещение книги %1: %2</source>
        <translation>Offset of the book %1: %2</translation>
    </message>
    <message>
        <source>%1 (закладок: %2)</source>
        <translation>%1 (%2 bookmarks)</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Книга целиком (авто)</source>
        <translation>Whole book (automatic)</translation>
    </message>
    <message>
        <source>Найти всё</source>
        <translation>Find all</translation>
    </message>
    <message>
        <source>Найти в книге содержание, указатель и смещение и заполнить ими строку: тип «Книга целиком (авто)», страницы от первой найденной до последней (файл — выбранная строка списка)</source>
        <translation>Find the contents, the index and the offset in the book and fill the row with them: the type "Whole book (automatic)", the pages from the first found to the last (the file is the selected row of the list)</translation>
    </message>
    <message>
        <source>Распознать страницы без текста</source>
        <translation>Read pages without text</translation>
    </message>
    <message>
        <source>Автоматические типы и «Книга целиком» читают страницы без скрытого текста с их изображения (Tesseract)</source>
        <translation>The automatic types and "Whole book" read pages without hidden text from their images (Tesseract)</translation>
    </message>
    <message>
        <source>Выберите в списке файл, содержание и указатель которого нужно найти</source>
        <translation>Select the file in the list whose contents and index are to be found</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Протокол</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Протокол — файл %1 из %2</source>
        <translation>Log — file %1 of %2</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Предыдущая страница - </source>
        <translation>Previous page - </translation>
    </message>
    <message>
        <source>Текущая страница - </source>
        <translation>Current page - </translation>
    </message>
    <message>
        <source>Будем исправлять ?</source>
        <translation>Correct it?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Больше не показывать</source>
        <translation>Do not show again</translation>
    </message>
    <message>
        <source>%1, стр. %2</source>
        <translation>%1, page %2</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Редактировать установки</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>Файл: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Тип работы</source>
        <translation>Kind of work</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Алфавитный указатель 1</source>
        <translation>Alphabetic index 1</translation>
    </message>
    <message>
        <source>Алфавитный указатель 2</source>
        <translation>Alphabetic index 2</translation>
    </message>
    <message>
        <source>Страницы с </source>
        <translation>Pages from </translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Делить на 2</source>
        <translation>Divide by 2</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Овал</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Тип границы</source>
        <translation>Border type</translation>
    </message>
    <message>
        <source>Не показывать</source>
        <translation>Do not show</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Простая граница</source>
        <translation>Plain border</translation>
    </message>
    <message>
        <source>Прямая тень</source>
        <translation>Shadow in</translation>
    </message>
    <message>
        <source>Обратная тень</source>
        <translation>Shadow out</translation>
    </message>
    <message>
        <source>Прямая тень от гравировки</source>
        <translation>Etched shadow in</translation>
    </message>
    <message>
        <source>Обратная тень от гравировки</source>
        <translation>Etched shadow out</translation>
    </message>
    <message>
        <source>Ширина границы</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Всегда видно</source>
        <translation>Always visible</translation>
    </message>
    <message>
        <source>Подсветка области</source>
        <translation>Highlight the area</translation>
    </message>
    <message>
        <source>Содержание (авто)</source>
        <translation>Contents (automatic)</translation>
    </message>
    <message>
        <source>Указатель (авто)</source>
        <translation>Index (automatic)</translation>
    </message>
    <message>
        <source>Определить</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Найти смещение по номерам страниц, напечатанным в книге</source>
        <translation>Find the offset from the page numbers printed in the book</translation>
    </message>
    <message>
        <source>Стр. документа для i</source>
        <translation>Document page of i</translation>
    </message>
    <message>
        <source>Страница документа, на которой напечатана страница i; пусто: римские номера не связываются (только для работ «авто»)</source>
        <translation>The document page that carries printed page i; empty: Roman page numbers are not linked (automatic kinds of work only)</translation>
    </message>
    <message>
        <source>По номерам страниц книги</source>
        <translation>By the book's page numbers</translation>
    </message>
    <message>
        <source>Каждая ссылка ведёт на страницу, на которой напечатан её номер, и там, где смещение меняется (вклейки); смещение строки не используется</source>
        <translation>Each link leads to the page that carries its printed number, also where the offset changes (inserts); the row's offset is not used</translation>
    </message>
    <message>
        <source>Книга целиком (авто)</source>
        <translation>Whole book (automatic)</translation>
    </message>
    <message>
        <source>Найти всё</source>
        <translation>Find all</translation>
    </message>
    <message>
        <source>Найти в книге содержание, указатель и смещение и заполнить ими установки строки: тип «Книга целиком (авто)», страницы от первой найденной до последней</source>
        <translation>Find the contents, the index and the offset in the book and fill the row's settings with them: type "Whole book (auto)", pages from the first found to the last</translation>
    </message>
</context>
<context>
    <name>TextLayer</name>
    <message>
        <source>Скрытый текст не читается (%1, позиция %2: «%3»)</source>
        <translation>The hidden text cannot be read (%1, position %2: “%3”)</translation>
    </message>
    <message>
        <source>нет поля</source>
        <translation>no field</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>строка без конца</source>
        <translation>unterminated string</translation>
    </message>
    <message>
        <source>зона без конца</source>
        <translation>unterminated zone</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>нет зоны</source>
        <translation>no zone</translation>
    </message>
    <message>
        <source>неизвестный тип зоны</source>
        <translation>unknown zone type</translation>
    </message>
    <message>
        <source>лишний текст после зоны</source>
        <translation>extra text after the zone</translation>
    </message>
</context>
<context>
    <name>WorkCopy</name>
    <message>
        <source>Не удалось скопировать %1 в %2: %3</source>
        <translation>Could not copy %1 to %2: %3</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1: %2</source>
        <translation>Could not read %1: %2</translation>
    </message>
    <message>
        <source>Не удалось создать папку %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
    <message>
        <source>Индекс документа %1 называет файл вне его папки: %2</source>
        <translation>The document %1's directory names a file outside its folder: %2</translation>
    </message>
    <message>
        <source>Части %1 нет ни в нём, ни рядом с ним</source>
        <translation>The part %1 is neither in it nor beside it</translation>
    </message>
    <message>
        <source>Документ %1 изменён другой программой, пока шла работа; изменения не записаны, запустите снова.</source>
        <translation>The document %1 was changed by another program during the work; the changes were not written, run again.</translation>
    </message>
    <message>
        <source>Прерванное сохранение документа %1 завершено из копии %2</source>
        <translation>The interrupted saving of the document %1 was finished from the copy %2</translation>
    </message>
    <message>
        <source>Удалена копия %1, оставшаяся от прерванного запуска; документ не был изменён</source>
        <translation>Removed the copy %1 left by an interrupted run; the document was not changed</translation>
    </message>
    <message>
        <source>Документ %1 был повреждён прерванным сохранением и восстановлен из копии %2</source>
        <translation>The document %1 was damaged by an interrupted saving and restored from the copy %2</translation>
    </message>
    <message>
        <source>Найдена копия %1 от прерванного сохранения; документ открывается, копия оставлена</source>
        <translation>Found the copy %1 of an interrupted saving; the document opens, the copy is kept</translation>
    </message>
    <message>
        <source>недостаточно места на диске</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>Документ %1 не сохранён: недостаточно места на диске (нужно %2 байт, свободно %3 байт). Документ не изменён.</source>
        <translation>Document %1 not saved: not enough space on the disk (%2 bytes needed, %3 bytes free). The document is unchanged.</translation>
    </message>
    <message>
        <source>Документ %1 не изменён: файл защищён от записи</source>
        <translation>Document %1 not changed: the file is write-protected</translation>
    </message>
    <message>
        <source>Не удалось создать %1: %2</source>
        <translation>Could not create %1: %2</translation>
    </message>
    <message>
        <source>Документ оставлен прежним; проверенная копия с изменениями оставлена в %1, следующий запуск запишет её.</source>
        <translation>The document is left as it was; the checked copy with the changes is kept in %1, and the next run writes it.</translation>
    </message>
    <message>
        <source>Документ записан не полностью; проверенная копия оставлена в %1, следующий запуск допишет её.</source>
        <translation>The document is written only in part; the checked copy is kept in %1, and the next run finishes it.</translation>
    </message>
    <message>
        <source>Документ %1: книга изменена после прерванного сохранения: копия оставлена в %2</source>
        <translation>Document %1: the book was changed after an interrupted save: the copy is kept in %2</translation>
    </message>
    <message>
        <source>Не удалось переименовать %1: %2</source>
        <translation>Could not rename %1: %2</translation>
    </message>
</context>
</TS>