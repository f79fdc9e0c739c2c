<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Schemario - O programu</source>
        <translation>Schemario - About</translation>
    </message>
    <message>
        <source>Verze 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>KLICE</source>
        <translation>KEYS</translation>
    </message>
    <message>
        <source>MINIMALNI POKRYTI</source>
        <translation>MINIMAL COVER</translation>
    </message>
    <message>
        <source>SYNTEZA</source>
        <translation>SYNTHESIS</translation>
    </message>
    <message>
        <source>%1: soubor nejde zapsat</source>
        <translation>%1: the file cannot be written</translation>
    </message>
    <message>
        <source>pocet atributu mimo rozsah; nejblizsi mozny je %1</source>
        <translation>number of attributes out of range; the nearest possible is %1</translation>
    </message>
    <message>
        <source>pocet zavislosti mimo rozsah; nejblizsi mozny je %1</source>
        <translation>number of dependencies out of range; the nearest possible is %1</translation>
    </message>
    <message>
        <source>pocet klicu mimo rozsah; nejblizsi mozny je %1</source>
        <translation>number of keys out of range; the nearest possible is %1</translation>
    </message>
    <message>
        <source>pocet redundanci nesmi byt zaporny</source>
        <translation>the number of redundancies cannot be negative</translation>
    </message>
    <message>
        <source>takove schema potrebuje alespon %1 atributu</source>
        <translation>such a schema needs at least %1 attributes</translation>
    </message>
    <message>
        <source>takove schema potrebuje alespon %1 zavislosti</source>
        <translation>such a schema needs at least %1 dependencies</translation>
    </message>
    <message>
        <source>ruznych zavislosti je nejvyse %1</source>
        <translation>there are at most %1 distinct dependencies</translation>
    </message>
    <message>
        <source>v teto normalni forme ma schema alespon %1 klicu</source>
        <translation>in this normal form a schema has at least %1 keys</translation>
    </message>
    <message>
        <source>tolik atributu dava nejvyse %1 klicu</source>
        <translation>so many attributes give at most %1 keys</translation>
    </message>
    <message>
        <source>redundantnich atributu muze byt nejvyse %1</source>
        <translation>there can be at most %1 redundant attributes</translation>
    </message>
    <message>
        <source>redundantnich zavislosti muze byt nejvyse %1</source>
        <translation>there can be at most %1 redundant dependencies</translation>
    </message>
    <message>
        <source>schema s temito vlastnostmi se nenaslo; zkuste jiny pocet zavislosti</source>
        <translation>no schema with these properties was found; try another number of dependencies</translation>
    </message>
    <message>
        <source>%1: slozku nejde vytvorit</source>
        <translation>%1: the folder cannot be made</translation>
    </message>
    <message>
        <source>zadani-%1</source>
        <translation>assignment-%1</translation>
    </message>
    <message>
        <source>reseni-%1</source>
        <translation>answers-%1</translation>
    </message>
    <message>
        <source>ruznych zadani s temito vlastnostmi se naslo jen %1</source>
        <translation>only %1 distinct assignments with these properties were found</translation>
    </message>
</context>
<context>
    <name>AttributeColumns</name>
    <message>
        <source>Musite zvolit alespon 1 atribut</source>
        <translation>You must choose at least 1 attribute</translation>
    </message>
    <message>
        <source>Gratuluji! Vase odpoved je spravna</source>
        <translation>Congratulations! Your answer is correct</translation>
    </message>
    <message>
        <source>Ve vasi odpovedi byly chyby.</source>
        <translation>Your answer contained mistakes.</translation>
    </message>
    <message>
        <source>ramecek: sloupec, ktery prave vyplnujete</source>
        <translation>frame: the column you are filling in</translation>
    </message>
</context>
<context>
    <name>AttributeEditorDialog</name>
    <message>
        <source>Schemario - Zadavani atributu</source>
        <translation>Schemario - Attribute input</translation>
    </message>
    <message>
        <source>Pridat</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Pridat zadany atribut</source>
        <translation>Add the attribute entered</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Smaze oznaceny atribut</source>
        <translation>Deletes the selected attribute</translation>
    </message>
    <message>
        <source>Zmenit</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Upravit oznaceny atribut</source>
        <translation>Edit the selected attribute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zadavany vstup je prazdny</source>
        <translation>The input is empty</translation>
    </message>
    <message>
        <source>Delka slova presahuje 15 pismen</source>
        <translation>The word is longer than 15 letters</translation>
    </message>
    <message>
        <source>Slovo nesmi obsahovat znaky ; a :</source>
        <translation>A word must not contain the characters ; and :</translation>
    </message>
    <message>
        <source>Slovo obsahuje znak, ktery nejde ulozit do souboru</source>
        <translation>The word contains a character that cannot be saved to a file</translation>
    </message>
    <message>
        <source>Uz zadana data</source>
        <translation>Already entered</translation>
    </message>
    <message>
        <source>Bohuzel zadavate prilis mnoho slov</source>
        <translation>Sorry, you are entering too many words</translation>
    </message>
    <message>
        <source>Toto slovo nemuzete vymazat. Nejprve vymazte zavislost, ktera ho obsahuje.</source>
        <translation>You cannot delete this word. First delete the dependency that contains it.</translation>
    </message>
    <message>
        <source>Skutecne to chcete smazat? %1 ? </source>
        <translation>Do you really want to delete it? %1 ? </translation>
    </message>
</context>
<context>
    <name>AttributeSetExercise</name>
    <message>
        <source>&amp;Nove zadani</source>
        <translation>&amp;New task</translation>
    </message>
</context>
<context>
    <name>ClosureExercise</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Testovaci modul - Uzaver</source>
        <translation>Exercises - Closure</translation>
    </message>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Correct answer</translation>
    </message>
    <message>
        <source>Zvolte si atributy pro A  :</source>
        <translation>Attributes for A  :</translation>
    </message>
    <message>
        <source>Zadejte vase reseni:</source>
        <translation>Enter your solution:</translation>
    </message>
    <message>
        <source>Spravna odpoved:</source>
        <translation>Correct answer:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
</context>
<context>
    <name>ClosureExerciseSession</name>
    <message>
        <source>Uzaver %1 krok za krokem:</source>
        <translation>Closure of %1 step by step:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Navrh relacnich schemat: klice, normalni formy, dekompozice a synteza.</source>
        <translation>Relational schema design: keys, normal forms, decomposition and synthesis.</translation>
    </message>
    <message>
        <source>Vypise zpravu DRUH o schematu ze SOUBORU na standardni vystup bez otevreni okna. DRUH je jeden z: %1.</source>
        <translation>Writes the report KIND on the schema in FILE to standard output without opening a window. KIND is one of: %1.</translation>
    </message>
    <message>
        <source>DRUH</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>Jazyk textu: %1 (cestina), %2 (cestina bez diakritiky) nebo %3 (anglictina). Bez teto volby plati jazyk zvoleny v menu Napoveda, jinak jazyk systemu.</source>
        <translation>Language of the texts: %1 (Czech), %2 (Czech without diacritics) or %3 (English). Without this option the language chosen in the Help menu applies, otherwise the system language.</translation>
    </message>
    <message>
        <source>JAZYK</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>SOUBOR</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Napoveda: schemario --help</source>
        <translation>Help: schemario --help</translation>
    </message>
    <message>
        <source>Neznamy jazyk: %1. Znam: %2.</source>
        <translation>Unknown language: %1. Known: %2.</translation>
    </message>
    <message>
        <source>Zadejte nejvyse jeden soubor.</source>
        <translation>Give at most one file.</translation>
    </message>
    <message>
        <source>Neznamy druh zpravy: %1. Znam: %2.</source>
        <translation>Unknown report kind: %1. Known: %2.</translation>
    </message>
    <message>
        <source>Zprava potrebuje soubor se schematem.</source>
        <translation>A report needs a schema file.</translation>
    </message>
    <message>
        <source>Schema (.dbc), ktere se otevre; se zpravou jedno nebo vice schemat.</source>
        <translation>The schema (.dbc) to open; with a report, one or more schemas.</translation>
    </message>
    <message>
        <source>[SOUBOR...]</source>
        <translation>[FILE...]</translation>
    </message>
    <message>
        <source>Odvozeni potrebuje soubor se schematem a zavislost &quot;X -&gt; Y&quot;.</source>
        <translation>A derivation needs a schema file and a dependency &quot;X -&gt; Y&quot;.</translation>
    </message>
    <message>
        <source>Prevede schema ze ZDROJE do souboru CIL (dalsi argument) bez otevreni okna: .dbc na text (.txt, .fd) a zpet, podle pripony cile.</source>
        <translation>Converts the schema in SOURCE to the file TARGET (the next argument) without opening a window: .dbc to text (.txt, .fd) and back, as the target&apos;s suffix says.</translation>
    </message>
    <message>
        <source>ZDROJ</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>Zapise POCET ruznych nahodnych zadani (.dbc, text a reseni) do slozky --out.</source>
        <translation>Writes COUNT distinct random assignments (.dbc, text and answers) into the folder --out.</translation>
    </message>
    <message>
        <source>POCET</source>
        <translation>COUNT</translation>
    </message>
    <message>
        <source>Pocet atributu zadani (2 az 20, bez volby 6).</source>
        <translation>Number of attributes of an assignment (2 to 20, default 6).</translation>
    </message>
    <message>
        <source>Pocet zavislosti zadani (bez volby 6).</source>
        <translation>Number of dependencies of an assignment (default 6).</translation>
    </message>
    <message>
        <source>Nejvyssi normalni forma zadani: 1NF, 2NF, 3NF nebo BCNF (bez volby 3NF).</source>
        <translation>Highest normal form of an assignment: 1NF, 2NF, 3NF or BCNF (default 3NF).</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>FORM</translation>
    </message>
    <message>
        <source>Presny pocet klicu zadani (bez volby libovolny).</source>
        <translation>Exact number of keys of an assignment (default any).</translation>
    </message>
    <message>
        <source>Seminko nahody: stejne seminko da stejna zadani (bez volby 1).</source>
        <translation>Random seed: the same seed gives the same assignments (default 1).</translation>
    </message>
    <message>
        <source>CISLO</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>Jmena atributu: letters (pismena), orders (objednavky), timetable (rozvrh) nebo library (knihovna); bez volby letters.</source>
        <translation>Attribute names: letters, orders, timetable or library; default letters.</translation>
    </message>
    <message>
        <source>TEMA</source>
        <translation>THEME</translation>
    </message>
    <message>
        <source>Slozka pro zadani.</source>
        <translation>Folder for the assignments.</translation>
    </message>
    <message>
        <source>SLOZKA</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>--generate se nekombinuje se soubory, --report ani --convert.</source>
        <translation>--generate takes no files, --report or --convert.</translation>
    </message>
    <message>
        <source>Zadejte slozku pro zadani: --out SLOZKA.</source>
        <translation>Give the folder for the assignments: --out FOLDER.</translation>
    </message>
    <message>
        <source>--%1 chce cislo, ne %2</source>
        <translation>--%1 wants a number, not %2</translation>
    </message>
    <message>
        <source>Pocet zadani musi byt 1 az 999.</source>
        <translation>The number of assignments must be 1 to 999.</translation>
    </message>
    <message>
        <source>Neznama normalni forma: %1. Znam: 1NF, 2NF, 3NF, BCNF.</source>
        <translation>Unknown normal form: %1. Known: 1NF, 2NF, 3NF, BCNF.</translation>
    </message>
    <message>
        <source>Nezname tema: %1. Znam: letters, orders, timetable, library.</source>
        <translation>Unknown theme: %1. Known: letters, orders, timetable, library.</translation>
    </message>
    <message>
        <source>Zadejte bud --report, nebo --convert.</source>
        <translation>Give either --report or --convert.</translation>
    </message>
    <message>
        <source>Prevod potrebuje zdroj a cil: --convert ZDROJ CIL.</source>
        <translation>Converting needs a source and a target: --convert SOURCE TARGET.</translation>
    </message>
    <message>
        <source>Zprava jako prosty text, Markdown nebo kus LaTeXu: %1 (bez volby text).</source>
        <translation>The report as plain text, Markdown or a LaTeX fragment: %1 (default text).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>--format plati jen pro zpravy --report DRUH.</source>
        <translation>--format applies only to reports --report KIND.</translation>
    </message>
    <message>
        <source>Neznamy format zpravy: %1. Znam: %2.</source>
        <translation>Unknown report format: %1. Known: %2.</translation>
    </message>
</context>
<context>
    <name>CorrectableExercise</name>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Correct answer</translation>
    </message>
    <message>
        <source>&amp;Zkusit znovu</source>
        <translation>&amp;Try again</translation>
    </message>
</context>
<context>
    <name>DecompositionExercise</name>
    <message>
        <source>Testovaci model - Dekompozice</source>
        <translation>Exercises - Decomposition</translation>
    </message>
    <message>
        <source>Zavislosti schematu:</source>
        <translation>Dependencies of the schema:</translation>
    </message>
    <message>
        <source>(zvolte, ktere zavislosti porusuji 3NF ci BCNF)</source>
        <translation>(choose which dependencies violate 3NF or BCNF)</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>The word between &quot;3NF&quot; and &quot;BCNF&quot;.</extracomment>
        <translation>and</translation>
    </message>
    <message>
        <source>Spravne reseni</source>
        <translation>Correct solution</translation>
    </message>
    <message>
        <source>Atributy</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>Zavislosti</source>
        <translation>Dependencies</translation>
    </message>
</context>
<context>
    <name>DecompositionExerciseSession</name>
    <message>
        <source>%1 je trivialni, zadnou formu neporusuje</source>
        <translation>%1 is trivial and violates no normal form</translation>
    </message>
    <message>
        <source>%1: leva strana obsahuje klic %2, zavislost BCNF neporusuje</source>
        <translation>%1: the left-hand side contains the key %2, the dependency does not violate BCNF</translation>
    </message>
    <message>
        <source>%1: leva strana neobsahuje zadny klic (%2)</source>
        <translation>%1: the left-hand side contains no key (%2)</translation>
    </message>
    <message>
        <source>  %1 neni klicovy atribut, proto je porusena 3NF</source>
        <translation>  %1 is not a key attribute, so 3NF is violated</translation>
    </message>
    <message>
        <source>  %1 je klicovy atribut, proto je porusena jen BCNF</source>
        <translation>  %1 is a key attribute, so only BCNF is violated</translation>
    </message>
</context>
<context>
    <name>DecompositionSession</name>
    <message>
        <source>dekompozice</source>
        <translation>decomposition</translation>
    </message>
</context>
<context>
    <name>DecompositionWindow</name>
    <message>
        <source>Cervene schema je v 1 ci 2 NF, zlute ve 3 NF.</source>
        <translation>A red schema is in 1 or 2 NF, a yellow one in 3 NF.</translation>
    </message>
    <message>
        <source>Zelena zavislost porusuje BCNF, zluta treti NF</source>
        <translation>A green dependency violates BCNF, a yellow one the third NF</translation>
    </message>
    <message>
        <source>Schemario - Dekompozice</source>
        <translation>Schemario - Decomposition</translation>
    </message>
    <message>
        <source>Sede kurzivou: schema nahrazene rozkladem nebo pohlcene projekci; ostatni schemata tvori vysledek.</source>
        <translation>Grey italics: a schema replaced by a split or absorbed by a projection; the other schemas form the result.</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Decomposition</translation>
    </message>
    <message>
        <source>Dekomponovat schema</source>
        <translation>Decompose the schema</translation>
    </message>
    <message>
        <source>&amp;Projekce</source>
        <translation>&amp;Projections</translation>
    </message>
    <message>
        <source>Pridat projekce</source>
        <translation>Add projections</translation>
    </message>
    <message>
        <source>&amp;Nepokryte zavislosti</source>
        <translation>&amp;Uncovered dependencies</translation>
    </message>
    <message>
        <source>Pridat nepokryte zavislosti</source>
        <translation>Add uncovered dependencies</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Zobrazi postup pro tisk</source>
        <translation>Shows the course of work for printing</translation>
    </message>
    <message>
        <source>&amp;Vysledna schemata</source>
        <translation>&amp;Resulting schemas</translation>
    </message>
    <message>
        <source>Zobrazi vysledna schemata</source>
        <translation>Shows the resulting schemas</translation>
    </message>
    <message>
        <source>&amp;Zavri</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algorithms</translation>
    </message>
    <message>
        <source>Pridana schemata:</source>
        <translation>Added schemas:</translation>
    </message>
    <message>
        <source>Projekce:</source>
        <translation>Projections:</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Attributes:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Klice:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>Nejprve dvojite kliknete na schema v hornicasti obrazovky. Pote kliknutim na jednu ze zavislosti, ktera porusuje 3NF (BCNF), v dolni casti schematu dekomponujte schema</source>
        <translation>First double-click a schema in the upper part of the screen. Then decompose the schema by clicking one of the dependencies that violate 3NF (BCNF) in the lower part</translation>
    </message>
    <message>
        <source>Jeste jsi nedekomponoval shcema</source>
        <translation>You have not decomposed the schema yet</translation>
    </message>
    <message>
        <source>Nejsou otevrena zadna schemata k tisku</source>
        <translation>No schemas are open for printing</translation>
    </message>
    <message>
        <source>Schema uz neni mozno v tomto okne rozlozit</source>
        <translation>The schema cannot be split any further in this window</translation>
    </message>
    <message>
        <source>Jeste jsi nedekomponoval schema</source>
        <translation>You have not decomposed the schema yet</translation>
    </message>
    <message>
        <source>Nejsou zadne nepokryte zavislosti</source>
        <translation>There are no uncovered dependencies</translation>
    </message>
    <message>
        <source>Zadne schema neni projekci</source>
        <translation>No schema is a projection</translation>
    </message>
    <message>
        <source>Chcete rozlozit schema podle teto zavislosti?</source>
        <translation>Do you want to split the schema by this dependency?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim nepokrytych zavislosti a projekci zmizi. Prejete si pokracovat?</source>
        <translation>The schemas created by adding uncovered dependencies and projections will disappear. Do you want to continue?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim projekci zmizi. Prejete si pokracovat?</source>
        <translation>The schemas created by adding projections will disappear. Do you want to continue?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim nepokrytych zavislosti zmizi. Prejete si pokracovat?</source>
        <translation>The schemas created by adding uncovered dependencies will disappear. Do you want to continue?</translation>
    </message>
    <message>
        <source>Schemata vytvorena projekci zmizi. Prejete si pokracovat?</source>
        <translation>The schemas created by projection will disappear. Do you want to continue?</translation>
    </message>
    <message>
        <source>Nahrazeno schematy %1 a %2, rozlozeno podle %3</source>
        <translation>Replaced by schemas %1 and %2, split by %3</translation>
    </message>
    <message>
        <source>Pohlceno projekci</source>
        <translation>Absorbed by a projection</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Dependency diagram</translation>
    </message>
    <message>
        <source>Dekompozice, schema %1</source>
        <translation>Decomposition, schema %1</translation>
    </message>
</context>
<context>
    <name>DependencyEditorDialog</name>
    <message>
        <source>Schemario - Zadavani zavislosti</source>
        <translation>Schemario - Dependency input</translation>
    </message>
    <message>
        <source>LEVA STRANA:</source>
        <translation>LEFT-HAND SIDE:</translation>
    </message>
    <message>
        <source>PRAVA STRANA:</source>
        <translation>RIGHT-HAND SIDE:</translation>
    </message>
    <message>
        <source>Pridat</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bohuzel je zadano prilis mnoho zavislosti</source>
        <translation>Sorry, too many dependencies have been entered</translation>
    </message>
    <message>
        <source>Neni zadana leva strana</source>
        <translation>The left-hand side is not given</translation>
    </message>
    <message>
        <source>Neni zadana prava strana</source>
        <translation>The right-hand side is not given</translation>
    </message>
    <message>
        <source>Stejny atribut nelze zadat na leve strane dvakrat</source>
        <translation>The same attribute cannot appear twice on the left-hand side</translation>
    </message>
    <message>
        <source>Neni co mazat</source>
        <translation>There is nothing to delete</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tuto zavislost?</source>
        <translation>Do you really want to delete this dependency?</translation>
    </message>
    <message>
        <source>Jedna zavislost na radek, jmena oddelena carkou: A, B -&gt; C. Vice jmen vpravo da zavislost pro kazde z nich, # zacina poznamku.</source>
        <translation>One dependency a line, names separated by commas: A, B -&gt; C. Several names on the right give a dependency for each of them; # starts a comment.</translation>
    </message>
    <message>
        <source>Po radcich</source>
        <translation>Row by row</translation>
    </message>
    <message>
        <source>Jako text</source>
        <translation>As text</translation>
    </message>
    <message>
        <source>Zavislosti nejde ukazat jako text: %1</source>
        <translation>The dependencies cannot be shown as text: %1</translation>
    </message>
</context>
<context>
    <name>DerivationReport</name>
    <message>
        <source>dano</source>
        <translation>given</translation>
    </message>
    <message>
        <source>reflexivita</source>
        <translation>reflexivity</translation>
    </message>
    <message>
        <source>rozsireni</source>
        <translation>augmentation</translation>
    </message>
    <message>
        <source>tranzitivita</source>
        <translation>transitivity</translation>
    </message>
    <message>
        <source>sjednoceni</source>
        <translation>union</translation>
    </message>
    <message>
        <source>rozklad</source>
        <translation>decomposition</translation>
    </message>
    <message>
        <source>%1 neplyne ze zavislosti: uzaver %2 je %3, chybi v nem %4</source>
        <translation>%1 does not follow from the dependencies: the closure of %2 is %3, it lacks %4</translation>
    </message>
    <message>
        <source>Odvozeni %1 podle Armstrongovych pravidel:</source>
        <translation>Derivation of %1 by Armstrong&apos;s rules:</translation>
    </message>
</context>
<context>
    <name>DiagramWindow</name>
    <message>
        <source>Schemario - Diagram zavislosti</source>
        <translation>Schemario - Dependency diagram</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;SVG</source>
        <translation>Save as &amp;SVG</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;PNG</source>
        <translation>Save as &amp;PNG</translation>
    </message>
    <message>
        <source>Tlusta cara spojuje atributy leve strany, sipky vedou k atributum, ktere urcuje.</source>
        <translation>A thick line joins the attributes of a left-hand side; arrows lead to the attributes it determines.</translation>
    </message>
    <message>
        <source>&amp;Prizpusobit sirce okna</source>
        <translation>&amp;Fit to window width</translation>
    </message>
    <message>
        <source>Diagram do SVG</source>
        <translation>Diagram to SVG</translation>
    </message>
    <message>
        <source>Diagram do PNG</source>
        <translation>Diagram to PNG</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>&amp;Zpet</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Neznama chyba</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>ExerciseExplanations</name>
    <message>
        <source>  %1 pridava %2</source>
        <translation>  %1 adds %2</translation>
    </message>
    <message>
        <source>%1 neni klic: jeho uzaver %2 neobsahuje %3</source>
        <translation>%1 is not a key: its closure %2 does not contain %3</translation>
    </message>
    <message>
        <source>%1 neni klic: uz jeho cast %2 je klic</source>
        <translation>%1 is not a key: its part %2 is already a key</translation>
    </message>
    <message>
        <source>%1 je klic: urcuje vsechny atributy a zadny z nich nelze vynechat</source>
        <translation>%1 is a key: it determines all attributes and none of them can be left out</translation>
    </message>
    <message>
        <source>%1 neni nadbytecne: uzaver %2 je %3, neobsahuje %4</source>
        <translation>%1 is not redundant: the closure of %2 is %3, it does not contain %4</translation>
    </message>
    <message>
        <source>%1 je nadbytecne: z %2 plyne %3 i bez nej:</source>
        <translation>%1 is redundant: %2 implies %3 even without it:</translation>
    </message>
</context>
<context>
    <name>ExerciseFeedback</name>
    <message>
        <source>Spravne: %1 z %2</source>
        <translation>Correct: %1 of %2</translation>
    </message>
</context>
<context>
    <name>ExerciseHub</name>
    <message>
        <source>Schemario - Testovaci modul</source>
        <translation>Schemario - Exercises</translation>
    </message>
    <message>
        <source>&amp;Uzaver</source>
        <translation>&amp;Closure</translation>
    </message>
    <message>
        <source>&amp;Maximalni mnoziny</source>
        <translation>&amp;Maximal sets</translation>
    </message>
    <message>
        <source>&amp;Klice</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>&amp;Redundantni atributy</source>
        <translation>&amp;Redundant attributes</translation>
    </message>
    <message>
        <source>Redundantni &amp;zavislosti</source>
        <translation>Redundant de&amp;pendencies</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Decomposition</translation>
    </message>
    <message>
        <source>&amp;Synteza</source>
        <translation>&amp;Synthesis</translation>
    </message>
    <message>
        <source>&amp;Vlastni dekompozice</source>
        <translation>&amp;Own decomposition</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>ExerciseSupport</name>
    <message>
        <source>Gratuluji! Vase odpoved je spravna</source>
        <translation>Congratulations! Your answer is correct</translation>
    </message>
    <message>
        <source>Ve vasi odpovedi jsou chyby, chcete je jeste opravit?</source>
        <translation>Your answer contains mistakes. Do you want to correct them?</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>&amp;Dalsi nahodne schema</source>
        <translation>&amp;Next random schema</translation>
    </message>
    <message>
        <source>Cviceni na nahodnem schematu: zmeny schematu v hlavnim okne se ho netykaji.</source>
        <translation>Practising on a random schema: changes of the schema in the main window do not touch it.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>C&amp;lear</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>This file cannot be opened</translation>
    </message>
    <message>
        <source>Soubor nejde ulozit</source>
        <translation>The file cannot be saved</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>neni obycejny soubor</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>KeysExercise</name>
    <message>
        <source>Testovaci modul - Klice</source>
        <translation>Exercises - Keys</translation>
    </message>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Correct answer</translation>
    </message>
    <message>
        <source>&amp;Nove zadani</source>
        <translation>&amp;New task</translation>
    </message>
    <message>
        <source>Klicem schematu je:</source>
        <translation>A key of the schema is:</translation>
    </message>
    <message>
        <source>(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)</source>
        <translation>(tick the correct answer - choose at least one of the options offered)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Gratuluji! Odpoved jste spravne.</source>
        <translation>Congratulations! You answered correctly.</translation>
    </message>
    <message>
        <source>Bohuzel vase odpoved neni spravna.</source>
        <translation>Sorry, your answer is not correct.</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Schemario - Klice schematu</source>
        <translation>Schemario - Keys of the schema</translation>
    </message>
    <message>
        <source>Zobraz prvni klic</source>
        <translation>Show the first key</translation>
    </message>
    <message>
        <source>Zobraz dalsi klice</source>
        <translation>Show further keys</translation>
    </message>
    <message>
        <source> Nejsou zadana zadna data</source>
        <translation> No data have been entered</translation>
    </message>
    <message>
        <source> Nejprve musi byt vygenerovany prvni klic</source>
        <translation> The first key must be generated first</translation>
    </message>
    <message>
        <source>Zadne dalsi klice schematu nejsou</source>
        <translation>The schema has no further keys</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>oranzove: schema v 1. ci 2. NF</source>
        <translation>orange: schema in 1NF or 2NF</translation>
    </message>
    <message>
        <source>zlute: schema ve 3NF</source>
        <translation>yellow: schema in 3NF</translation>
    </message>
    <message>
        <source>sede: schema v BCNF</source>
        <translation>grey: schema in BCNF</translation>
    </message>
    <message>
        <source>kurzivou: nahrazene schema</source>
        <translation>italics: replaced schema</translation>
    </message>
    <message>
        <source>zluta: zavislost porusuje 3NF</source>
        <translation>yellow: dependency violates 3NF</translation>
    </message>
    <message>
        <source>zelena: zavislost porusuje jen BCNF</source>
        <translation>green: dependency violates BCNF only</translation>
    </message>
    <message>
        <source>seda: zavislost BCNF neporusuje</source>
        <translation>grey: dependency does not violate BCNF</translation>
    </message>
    <message>
        <source>cervene: chyba ve vasi odpovedi</source>
        <translation>red: a mistake in your answer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Novy</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Otevrit novy soubor</source>
        <translation>Open a new file</translation>
    </message>
    <message>
        <source>&amp;Otevri</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Otevri novy soubor</source>
        <translation>Open a new file</translation>
    </message>
    <message>
        <source>&amp;Uloz</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Uloz soubor</source>
        <translation>Save the file</translation>
    </message>
    <message>
        <source>Uloz &amp;jako</source>
        <translation>Save &amp;as</translation>
    </message>
    <message>
        <source>Uloz soubor pod jinym jmenem</source>
        <translation>Save the file under another name</translation>
    </message>
    <message>
        <source>Editovat &amp;atributy</source>
        <translation>Edit &amp;attributes</translation>
    </message>
    <message>
        <source>Zadat nove atributy schematu</source>
        <translation>Enter new attributes of the schema</translation>
    </message>
    <message>
        <source>Editovat &amp;zavislosti</source>
        <translation>Edit &amp;dependencies</translation>
    </message>
    <message>
        <source>Zadat nove zavislosti</source>
        <translation>Enter new dependencies</translation>
    </message>
    <message>
        <source>&amp;Redundantni atributy</source>
        <translation>&amp;Redundant attributes</translation>
    </message>
    <message>
        <source>Urceni redundantnich atributu</source>
        <translation>Finding redundant attributes</translation>
    </message>
    <message>
        <source>Redundantni &amp;zavislosti</source>
        <translation>Redundant de&amp;pendencies</translation>
    </message>
    <message>
        <source>Urceni redundantnich zavislosti</source>
        <translation>Finding redundant dependencies</translation>
    </message>
    <message>
        <source>Hledani &amp;klicu</source>
        <translation>Finding &amp;keys</translation>
    </message>
    <message>
        <source>Hledani klicu schematu</source>
        <translation>Finding the keys of the schema</translation>
    </message>
    <message>
        <source>Deko&amp;mpozice</source>
        <translation>Deco&amp;mposition</translation>
    </message>
    <message>
        <source>Dekompozice</source>
        <translation>Decomposition</translation>
    </message>
    <message>
        <source>S&amp;ynteza</source>
        <translation>S&amp;ynthesis</translation>
    </message>
    <message>
        <source>Synteza</source>
        <translation>Synthesis</translation>
    </message>
    <message>
        <source>&amp;Maximalni mnoziny</source>
        <translation>&amp;Maximal sets</translation>
    </message>
    <message>
        <source>&amp;Testovaci modul</source>
        <translation>&amp;Exercises</translation>
    </message>
    <message>
        <source>Testovaci modul</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RD</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ukazkove schemata</source>
        <translation>&amp;Sample schemas</translation>
    </message>
    <message>
        <source>&amp;Posledni soubory</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Konec programu</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Redundance</source>
        <translation>&amp;Redundancy</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algorithms</translation>
    </message>
    <message>
        <source>&amp;Testovani</source>
        <translation>&amp;Testing</translation>
    </message>
    <message>
        <source>&amp;Uzaver</source>
        <translation>&amp;Closure</translation>
    </message>
    <message>
        <source>&amp;Klice</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Decomposition</translation>
    </message>
    <message>
        <source>&amp;Vlastni dekompozice</source>
        <translation>&amp;Own decomposition</translation>
    </message>
    <message>
        <source>Napoveda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Jazyk</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Cestina</source>
        <translation>&amp;Czech</translation>
    </message>
    <message>
        <source>Cestina &amp;bez diakritiky</source>
        <translation>Czech &amp;without diacritics</translation>
    </message>
    <message>
        <source>&amp;Anglictina</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Jazyk se zmeni pri pristim spusteni programu.</source>
        <translation>The language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Attributes:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Prejete si data ulozit?</source>
        <translation>Do you want to save the data?</translation>
    </message>
    <message>
        <source>Zadne redundantni atributy nejsou</source>
        <translation>There are no redundant attributes</translation>
    </message>
    <message>
        <source>Zadne redundantni zavislosti nejsou</source>
        <translation>There are no redundant dependencies</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;text</source>
        <translation>Save as &amp;text</translation>
    </message>
    <message>
        <source>Uloz schema jako text: jmena atributu a zavislosti A, B -&gt; C</source>
        <translation>Save the schema as text: attribute names and dependencies A, B -&gt; C</translation>
    </message>
    <message>
        <source>&amp;Kopirovat jako text</source>
        <translation>&amp;Copy as text</translation>
    </message>
    <message>
        <source>Vloz schema do schranky jako text</source>
        <translation>Put the schema on the clipboard as text</translation>
    </message>
    <message>
        <source>&amp;Vlozit text</source>
        <translation>&amp;Paste text</translation>
    </message>
    <message>
        <source>Nahrad schema textem ze schranky (radky jako A, B -&gt; C)</source>
        <translation>Replace the schema by the text on the clipboard (lines such as A, B -&gt; C)</translation>
    </message>
    <message>
        <source>&amp;Nahodne schema...</source>
        <translation>&amp;Random schema...</translation>
    </message>
    <message>
        <source>Vytvor nahodne schema na procvicovani</source>
        <translation>Make a random schema to practise on</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Dependency diagram</translation>
    </message>
    <message>
        <source>Obrazek schematu: atributy a sipky zavislosti</source>
        <translation>A picture of the schema: attributes and dependency arrows</translation>
    </message>
    <message>
        <source>Schema je ve schrance jako text</source>
        <translation>The schema is on the clipboard as text</translation>
    </message>
    <message>
        <source>Ve schrance neni schema v textovem zapisu (radky jako A, B -&gt; C).</source>
        <translation>The clipboard holds no schema text (lines such as A, B -&gt; C).</translation>
    </message>
    <message>
        <source>Text ve schrance neni schema:</source>
        <translation>The text on the clipboard is not a schema:</translation>
    </message>
    <message>
        <source>Nahradit schema textem ze schranky?</source>
        <translation>Replace the schema by the text on the clipboard?</translation>
    </message>
    <message>
        <source>Schema ze schranky</source>
        <translation>Schema from the clipboard</translation>
    </message>
    <message>
        <source>Nahodne schema</source>
        <translation>Random schema</translation>
    </message>
</context>
<context>
    <name>MaximalSetExercise</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Testovaci modul  - Maximalni mnoziny</source>
        <translation>Exercises  - Maximal sets</translation>
    </message>
    <message>
        <source>&amp;Spravne reseni</source>
        <translation>&amp;Correct solution</translation>
    </message>
    <message>
        <source>Zvol si atribut pro max(A):</source>
        <translation>Choose the attribute for max(A):</translation>
    </message>
    <message>
        <source>Zadejte vase reseni:</source>
        <translation>Enter your solution:</translation>
    </message>
    <message>
        <source>Spravna odpoved:</source>
        <translation>Correct answer:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
</context>
<context>
    <name>MaximalSetExerciseSession</name>
    <message>
        <source>%1 patri do nektere maximalni mnoziny: jeho uzaver %2 neobsahuje %3</source>
        <translation>%1 belongs to some maximal set: its closure %2 does not contain %3</translation>
    </message>
    <message>
        <source>%1 do maximalni mnoziny nepatri: urcuje %2:</source>
        <translation>%1 does not belong to a maximal set: it determines %2:</translation>
    </message>
</context>
<context>
    <name>MaximalSetsWindow</name>
    <message>
        <source>Schemario - Maximalni mnoziny</source>
        <translation>Schemario - Maximal sets</translation>
    </message>
    <message>
        <source>Vypocet  max (A)</source>
        <translation>Computing  max (A)</translation>
    </message>
    <message>
        <source>Zvolte atribut A:</source>
        <translation>Attribute A:</translation>
    </message>
    <message>
        <source>Maximalni mnozina (A)</source>
        <translation>Maximal set (A)</translation>
    </message>
    <message>
        <source>Je A klicovy atribut ?</source>
        <translation>Is A a key attribute ?</translation>
    </message>
    <message>
        <source>Na zaklade vypoctenych maximalnich mnozin rekne je-li A klicovy atribut</source>
        <translation>Tells from the computed maximal sets whether A is a key attribute</translation>
    </message>
    <message>
        <source>Vypocet MAX (R)</source>
        <translation>Computing MAX (R)</translation>
    </message>
    <message>
        <source>Maximalni mnoziny</source>
        <translation>Maximal sets</translation>
    </message>
    <message>
        <source>Je schema v &amp;BCNF ?</source>
        <translation>Is R in &amp;BCNF ?</translation>
    </message>
    <message>
        <source>Na zaklade vypoctu maximalnich mnozin rekne, zda je schema v BCNF</source>
        <translation>Tells from the computed maximal sets whether the schema is in BCNF</translation>
    </message>
    <message>
        <source>Zvolte atribut A</source>
        <translation>Choose attribute A</translation>
    </message>
    <message>
        <source>zadna mnozina</source>
        <translation>no set</translation>
    </message>
</context>
<context>
    <name>NotationText</name>
    <message>
        <source>bajt %1 nepatri do textu v kodovani UTF-8</source>
        <translation>byte %1 is not part of UTF-8 text</translation>
    </message>
    <message>
        <source>znak %1 nemuze byt ve jmenu atributu</source>
        <translation>the character %1 cannot be in an attribute name</translation>
    </message>
    <message>
        <source>nezname slovo %1 pred dvojteckou</source>
        <translation>unknown word %1 before the colon</translation>
    </message>
    <message>
        <source>druhy radek s atributy, prvni je na radku %1</source>
        <translation>a second attribute line; the first is on line %1</translation>
    </message>
    <message>
        <source>sipka v radku s atributy</source>
        <translation>an arrow in the attribute line</translation>
    </message>
    <message>
        <source>zavislosti chybi sipka -&gt;</source>
        <translation>the dependency has no arrow -&gt;</translation>
    </message>
    <message>
        <source>druha sipka v jedne zavislosti</source>
        <translation>a second arrow in one dependency</translation>
    </message>
    <message>
        <source>za sipkou chybi prava strana</source>
        <translation>the right-hand side after the arrow is missing</translation>
    </message>
    <message>
        <source>chybi jmeno atributu</source>
        <translation>an attribute name is missing</translation>
    </message>
    <message>
        <source>jmeno %1 je delsi nez %2 znaku</source>
        <translation>the name %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>atribut %1 je uveden dvakrat</source>
        <translation>the attribute %1 is listed twice</translation>
    </message>
    <message>
        <source>neznamy atribut %1</source>
        <translation>unknown attribute %1</translation>
    </message>
    <message>
        <source>vice nez %1 atributu</source>
        <translation>more than %1 attributes</translation>
    </message>
    <message>
        <source>vice nez %1 atributu na leve strane</source>
        <translation>more than %1 attributes on the left-hand side</translation>
    </message>
    <message>
        <source>vice nez %1 zavislosti</source>
        <translation>more than %1 dependencies</translation>
    </message>
    <message>
        <source>radek %1, sloupec %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <source>jmeno %1 obsahuje znak, ktery text nepripousti</source>
        <translation>the name %1 holds a character the text does not allow</translation>
    </message>
    <message>
        <source>jmeno %1 ma mezery, ktere by text nezachoval</source>
        <translation>the name %1 has blanks the text would not keep</translation>
    </message>
    <message>
        <source>jmeno %1 je uvedeno dvakrat</source>
        <translation>the name %1 is listed twice</translation>
    </message>
    <message>
        <source>zavislost pouziva atribut %1, ktery nema jmeno</source>
        <translation>a dependency uses the attribute %1, which has no name</translation>
    </message>
</context>
<context>
    <name>OutOfDateNotice</name>
    <message>
        <source>Schema bylo od naplneni tohoto okna zmeneno: okno ukazuje predchozi stav. Pro aktualni stav ho otevrete znovu.</source>
        <translation>The schema has changed since this window was filled: the window shows the previous state. Open it again for the current state.</translation>
    </message>
    <message>
        <source>Schema bylo zmeneno: seznam byl sestaven znovu z aktualniho schematu.</source>
        <translation>The schema has changed: the list was built again from the current schema.</translation>
    </message>
</context>
<context>
    <name>OwnDecompositionExercise</name>
    <message>
        <source>Testovaci modul - Vlastni dekompozice</source>
        <translation>Exercises - Own decomposition</translation>
    </message>
    <message>
        <source>Zavislosti schematu:</source>
        <translation>Dependencies of the schema:</translation>
    </message>
    <message>
        <source>Atributy nove casti (zaskrtnete a stisknete Pridat cast)</source>
        <translation>Attributes of a new part (tick them and press Add part)</translation>
    </message>
    <message>
        <source>Pridat cast</source>
        <translation>Add part</translation>
    </message>
    <message>
        <source>Odebrat cast</source>
        <translation>Remove part</translation>
    </message>
    <message>
        <source>Vyhodnotit</source>
        <translation>Evaluate</translation>
    </message>
    <message>
        <source>Casti dekompozice:</source>
        <translation>Parts of the decomposition:</translation>
    </message>
    <message>
        <source>Hodnoceni:</source>
        <translation>Evaluation:</translation>
    </message>
    <message>
        <source>Cast %1: %2</source>
        <translation>Part %1: %2</translation>
    </message>
</context>
<context>
    <name>OwnDecompositionExerciseSession</name>
    <message>
        <source>Dekompozice nema zadnou cast: pridejte alespon jednu.</source>
        <translation>The decomposition has no part: add at least one.</translation>
    </message>
    <message>
        <source>Pokryti: kazdy atribut patri do nektere casti</source>
        <translation>Cover: every attribute belongs to some part</translation>
    </message>
    <message>
        <source>Atributy bez casti: %1</source>
        <translation>Attributes in no part: %1</translation>
    </message>
    <message>
        <source>Spojeni je bezztratove: radek %1 obsahuje jen a</source>
        <translation>The join is lossless: row %1 contains only a</translation>
    </message>
    <message>
        <source>Spojeni je ztratove: po chase neobsahuje zadny radek tabulky jen a</source>
        <translation>The join is lossy: after the chase no row of the table contains only a</translation>
    </message>
    <message>
        <source>Zavislosti jsou zachovany: kazdou odvodi zavislosti platne v castech</source>
        <translation>The dependencies are preserved: each follows from the dependencies that hold in the parts</translation>
    </message>
    <message>
        <source>Ztracene zavislosti (neodvodi je zavislosti platne v castech): %1</source>
        <translation>Lost dependencies (the dependencies that hold in the parts do not imply them): %1</translation>
    </message>
    <message>
        <source>BCNF</source>
        <translation>BCNF</translation>
    </message>
    <message>
        <source>3NF (%1 porusuje BCNF)</source>
        <translation>3NF (%1 violates BCNF)</translation>
    </message>
    <message>
        <source>2NF (%1 porusuje 3NF)</source>
        <translation>2NF (%1 violates 3NF)</translation>
    </message>
    <message>
        <source>1NF (%1 je castecna zavislost na klici)</source>
        <translation>1NF (%1 is a partial dependency on a key)</translation>
    </message>
    <message>
        <source>Cast %1 (%2): klice %3; %4</source>
        <translation>Part %1 (%2): keys %3; %4</translation>
    </message>
</context>
<context>
    <name>RandomSchemaDialog</name>
    <message>
        <source>Schemario - Nahodne schema</source>
        <translation>Schemario - Random schema</translation>
    </message>
    <message>
        <source>1. normalni forma</source>
        <translation>1st normal form</translation>
    </message>
    <message>
        <source>2. normalni forma</source>
        <translation>2nd normal form</translation>
    </message>
    <message>
        <source>3. normalni forma</source>
        <translation>3rd normal form</translation>
    </message>
    <message>
        <source>BCNF</source>
        <translation>BCNF</translation>
    </message>
    <message>
        <source>Presny pocet klicu:</source>
        <translation>Exact number of keys:</translation>
    </message>
    <message>
        <source>Pismena</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Objednavky</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Rozvrh hodin</source>
        <translation>School timetable</translation>
    </message>
    <message>
        <source>Knihovna</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Pocet atributu:</source>
        <translation>Number of attributes:</translation>
    </message>
    <message>
        <source>Pocet zavislosti:</source>
        <translation>Number of dependencies:</translation>
    </message>
    <message>
        <source>Nejvyssi normalni forma:</source>
        <translation>Highest normal form:</translation>
    </message>
    <message>
        <source>Jmena atributu:</source>
        <translation>Attribute names:</translation>
    </message>
    <message>
        <source>&amp;Vytvorit</source>
        <translation>&amp;Make</translation>
    </message>
    <message>
        <source>&amp;Zrusit</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesExercise</name>
    <message>
        <source>Testovaci modul - Redundantni atributy</source>
        <translation>Exercises - Redundant attributes</translation>
    </message>
    <message>
        <source>Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu.</source>
        <translation>Rule: each item is judged on its own against the whole list.</translation>
    </message>
    <message>
        <source>Redundantni atributy</source>
        <translation>Redundant attributes</translation>
    </message>
    <message>
        <source>(atribut oznacite kliknutim)</source>
        <translation>(click an attribute to mark it)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Zavislost: %1</source>
        <translation>Dependency: %1</translation>
    </message>
    <message>
        <source>Po redukci atributu:</source>
        <translation>After reducing the attributes:</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesExerciseSession</name>
    <message>
        <source>%1 v %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesWindow</name>
    <message>
        <source>Schemario - Redundantni atributy</source>
        <translation>Schemario - Redundant attributes</translation>
    </message>
    <message>
        <source>Redundantni atributy:</source>
        <translation>Redundant attributes:</translation>
    </message>
    <message>
        <source>Atribut</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>v zavislosti</source>
        <translation>in dependency</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tento atribut?</source>
        <translation>Do you really want to delete this attribute?</translation>
    </message>
    <message>
        <source>Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen zlute.</source>
        <translation>After deleting this attribute another one is no longer redundant. Its row is marked yellow.</translation>
    </message>
    <message>
        <source>Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?</source>
        <translation>No redundant attributes are left. Do you want to close the form?</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesExercise</name>
    <message>
        <source>Testovaci modul - Redundantni zavislosti</source>
        <translation>Exercises - Redundant dependencies</translation>
    </message>
    <message>
        <source>Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu.</source>
        <translation>Rule: each item is judged on its own against the whole list.</translation>
    </message>
    <message>
        <source>Redundantni zavislosti</source>
        <translation>Redundant dependencies</translation>
    </message>
    <message>
        <source>(zaskrtnete redundantni zavislosti)</source>
        <translation>(tick the redundant dependencies)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Spravne reseni</source>
        <translation>Correct solution</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesExerciseSession</name>
    <message>
        <source>Zavislost %1</source>
        <translation>Dependency %1</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesWindow</name>
    <message>
        <source>Schemario - Redundantni zavislosti</source>
        <translation>Schemario - Redundant dependencies</translation>
    </message>
    <message>
        <source>Redundantni zavislosti:</source>
        <translation>Redundant dependencies:</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tuto zavislost?</source>
        <translation>Do you really want to delete this dependency?</translation>
    </message>
    <message>
        <source>Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou oznaceny zlute.</source>
        <translation>After deleting this dependency some others are no longer redundant. They will be marked yellow.</translation>
    </message>
    <message>
        <source>Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?</source>
        <translation>No redundant dependencies are left. Do you want to close the form?</translation>
    </message>
    <message>
        <source>Proc?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Odvozeni teto zavislosti z ostatnich Armstrongovymi pravidly</source>
        <translation>How this dependency follows from the others by Armstrong&apos;s rules</translation>
    </message>
</context>
<context>
    <name>ReportFormats</name>
    <message>
        <source>Klic</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Atribut</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Maximalni mnoziny</source>
        <translation>Maximal sets</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Nejde zobrazit tiskovy dialog</source>
        <translation>The print dialog cannot be shown</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.TXT&quot;</source>
        <translation>Text files (*.txt)|*.TXT&quot;</translation>
    </message>
    <message>
        <source>Schemario - Tiskovy formular</source>
        <translation>Schemario - Print form</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Vytiskne data zobrazena ve formulari</source>
        <translation>Prints the data shown in the form</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Ulozi data z formulare do formatu txt</source>
        <translation>Saves the data of the form as txt</translation>
    </message>
    <message>
        <source>Do &amp;PDF</source>
        <translation>To &amp;PDF</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako stranky PDF, stejne jako by se tiskly</source>
        <translation>Saves the data of the form as PDF pages, just as they would be printed</translation>
    </message>
    <message>
        <source>&amp;Nahled</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Ukaze stranky tak, jak se vytisknou</source>
        <translation>Shows the pages as they will be printed</translation>
    </message>
    <message>
        <source>&amp;Zavri</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Vytisknout data</source>
        <translation>&amp;Print data</translation>
    </message>
    <message>
        <source>Vye&amp;xportovat data</source>
        <translation>E&amp;xport data</translation>
    </message>
    <message>
        <source>Ulozit do P&amp;DF</source>
        <translation>Save as P&amp;DF</translation>
    </message>
    <message>
        <source>Nahled &amp;tisku</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>Export do PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Soubor nejde ulozit</source>
        <translation>The file cannot be saved</translation>
    </message>
    <message>
        <source>Export to txt</source>
        <translation>Export to txt</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>This file cannot be opened</translation>
    </message>
    <message>
        <source>Do &amp;Markdownu</source>
        <translation>To &amp;Markdown</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako Markdown s tabulkami klicu a mnozin</source>
        <translation>Saves the data of the form as Markdown with tables of keys and sets</translation>
    </message>
    <message>
        <source>Do &amp;LaTeXu</source>
        <translation>To &amp;LaTeX</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako kus LaTeXu pro vlozeni do dokumentu</source>
        <translation>Saves the data of the form as a LaTeX fragment to put into a document</translation>
    </message>
    <message>
        <source>Ulozit do Mar&amp;kdownu</source>
        <translation>Save as Mar&amp;kdown</translation>
    </message>
    <message>
        <source>Ulozit do &amp;LaTeXu</source>
        <translation>Save as &amp;LaTeX</translation>
    </message>
    <message>
        <source>Export do Markdownu</source>
        <translation>Export to Markdown</translation>
    </message>
    <message>
        <source>Export do LaTeXu</source>
        <translation>Export to LaTeX</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>standardni vystup nejde zapsat: %1</source>
        <translation>cannot write the standard output: %1</translation>
    </message>
    <message>
        <source>zadejte jednu zavislost X -&gt; Y</source>
        <translation>give one dependency X -&gt; Y</translation>
    </message>
    <message>
        <source>prazdna mnozina</source>
        <translation>empty set</translation>
    </message>
    <message>
        <source>Atribut %1 JE, na zaklade algoritmu zalozenem na maximalnich mnozinach, klicovym atributem</source>
        <translation>Attribute %1 IS, by the algorithm based on maximal sets, a key attribute</translation>
    </message>
    <message>
        <source>Atribut %1 NENI, na zaklade algoritmu zalozenem na maximalnich mnozinach, klicovym atributem</source>
        <translation>Attribute %1 IS NOT, by the algorithm based on maximal sets, a key attribute</translation>
    </message>
    <message>
        <source>Schema JE, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF</source>
        <translation>The schema IS, by the algorithm based on maximal sets, in BCNF</translation>
    </message>
    <message>
        <source>Schema NENI, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF</source>
        <translation>The schema IS NOT, by the algorithm based on maximal sets, in BCNF</translation>
    </message>
    <message>
        <source>Mnozina Max(%1) = </source>
        <translation>Set Max(%1) = </translation>
    </message>
    <message>
        <source>Vypis je zkracen: kazda mnozina jednou, celkem %1 mnozin</source>
        <translation>The listing is shortened: each set once, %1 sets in all</translation>
    </message>
    <message>
        <source>Vypis je zkracen: jen mnoziny bez podmnoziny v rodine, kazda jednou, celkem %1 mnozin</source>
        <translation>The listing is shortened: only sets without a subset in the family, each once, %1 sets in all</translation>
    </message>
    <message>
        <source>Rozlozeni schematu podle levych stran je jiz zobrazeno</source>
        <translation>The split of the schema by left-hand sides is already shown</translation>
    </message>
    <message>
        <source>Nejprve rozlozte schema podle levych stran</source>
        <translation>First split the schema by left-hand sides</translation>
    </message>
    <message>
        <source> Zadna schemata nemaji ekvivalentni klice</source>
        <translation> No schemas have equivalent keys</translation>
    </message>
    <message>
        <source>Sjednoceni schemat podle ekvivalentnich klicu je jiz zobrazeno</source>
        <translation>The merge of schemas by equivalent keys is already shown</translation>
    </message>
    <message>
        <source>Zadna schemata nejsou projekci</source>
        <translation>No schemas are projections</translation>
    </message>
    <message>
        <source> Zobrazeni projekce je jiz zobrazeno</source>
        <translation> The projection is already shown</translation>
    </message>
    <message>
        <source>Schemata vytvorena projekci zmizi. Lze je ziskat znovu tlacitkem &apos;Projekce&apos;.</source>
        <translation>The schemas created by projection will disappear. They can be obtained again with the &apos;Projections&apos; button.</translation>
    </message>
    <message>
        <source>%1: cil musi mit priponu .dbc (schema) nebo .txt, .fd (text)</source>
        <translation>%1: the target must end in .dbc (schema) or .txt, .fd (text)</translation>
    </message>
    <message>
        <source>jmeno atributu %1 nepojme soubor .dbc (kodovani Windows-1250)</source>
        <translation>a .dbc file cannot hold the attribute name %1 (Windows-1250 encoding)</translation>
    </message>
    <message>
        <source>%1: soubor nejde zapsat</source>
        <translation>%1: the file cannot be written</translation>
    </message>
</context>
<context>
    <name>SchemaDetails</name>
    <message>
        <source>Schema %1</source>
        <translation>Schema %1</translation>
    </message>
    <message>
        <source>Puvodni schema</source>
        <translation>Original schema</translation>
    </message>
</context>
<context>
    <name>SchemaDocument</name>
    <message>
        <source>smazani atributu</source>
        <translation>deleting an attribute</translation>
    </message>
    <message>
        <source>smazani zavislosti</source>
        <translation>deleting a dependency</translation>
    </message>
    <message>
        <source>uprava atributu</source>
        <translation>editing the attributes</translation>
    </message>
    <message>
        <source>uprava zavislosti</source>
        <translation>editing the dependencies</translation>
    </message>
    <message>
        <source>vymazani schematu</source>
        <translation>clearing the schema</translation>
    </message>
</context>
<context>
    <name>SchemaFile</name>
    <message>
        <source>soubor je vetsi nez %1 bajtu</source>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>chybi znak : za jmeny atributu</source>
        <translation>the character : after the attribute names is missing</translation>
    </message>
    <message>
        <source>jmeno atributu nekonci znakem ;</source>
        <translation>an attribute name does not end with ;</translation>
    </message>
    <message>
        <source>vice nez %1 atributu</source>
        <translation>more than %1 attributes</translation>
    </message>
    <message>
        <source>misto cislice je znak s kodem %1</source>
        <translation>a character with code %1 instead of a digit</translation>
    </message>
    <message>
        <source>chybi index atributu</source>
        <translation>an attribute index is missing</translation>
    </message>
    <message>
        <source>za indexem na leve strane chybi mezera</source>
        <translation>a space is missing after an index on the left-hand side</translation>
    </message>
    <message>
        <source>zavislost nema znak -</source>
        <translation>a dependency has no -</translation>
    </message>
    <message>
        <source>index %1 neoznacuje zadny atribut</source>
        <translation>index %1 denotes no attribute</translation>
    </message>
    <message>
        <source>vice nez %1 atributu na leve strane</source>
        <translation>more than %1 attributes on the left-hand side</translation>
    </message>
    <message>
        <source>vice nez %1 zavislosti</source>
        <translation>more than %1 dependencies</translation>
    </message>
    <message>
        <source>zavislost nekonci znakem ;</source>
        <translation>a dependency does not end with ;</translation>
    </message>
    <message>
        <source>bajt %1: %2</source>
        <translation>byte %1: %2</translation>
    </message>
    <message>
        <source>Zkousite otevrit spatny soubor. Chci priponu .dbc</source>
        <translation>You are trying to open a wrong file. The extension must be .dbc</translation>
    </message>
    <message>
        <source>Chyba pri cteni ze souboru</source>
        <translation>Error reading from the file</translation>
    </message>
    <message>
        <source>Chyba pri otevirani souboru</source>
        <translation>Error opening the file</translation>
    </message>
</context>
<context>
    <name>SchemaFileCommands</name>
    <message>
        <source>Jmeno atributu %1 obsahuje znak, ktery soubor .dbc nepojme (kodovani Windows-1250). Prejmenujte atribut.</source>
        <translation>The attribute name %1 holds a character a .dbc file cannot hold (Windows-1250 encoding). Rename the attribute.</translation>
    </message>
    <message>
        <source>Chyba v zapisu do souboru</source>
        <translation>Error writing to the file</translation>
    </message>
    <message>
        <source>Problem s otevrenim souboru pro zapis</source>
        <translation>The file cannot be opened for writing</translation>
    </message>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>This file cannot be opened</translation>
    </message>
    <message>
        <source>Ulozit jako text</source>
        <translation>Save as text</translation>
    </message>
</context>
<context>
    <name>SchemaReport</name>
    <message>
        <source>PUVODNI SCHEMA:</source>
        <translation>ORIGINAL SCHEMA:</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo dekompozici schematu %1 podle zavislosti %2</source>
        <translation>The following schema arose by decomposing schema %1 by dependency %2</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo pridanim chybejicich zavislosti.</source>
        <translation>The following schema arose by adding missing dependencies.</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo projekci schemat (%1 ).</source>
        <translation>The following schema arose as a projection of schemas (%1 ).</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo rozlozenim podle levych stran</source>
        <translation>The following schema arose by splitting by left-hand sides</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo sloucenim schemat s ekvivalentnimi klici.</source>
        <translation>The following schema arose by merging schemas with equivalent keys.</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo projekci.</source>
        <translation>The following schema arose as a projection.</translation>
    </message>
    <message>
        <source> Schema je v prvni normalni forme</source>
        <translation> The schema is in first normal form</translation>
    </message>
    <message>
        <source> Schema je ve druhe normalni forme</source>
        <translation> The schema is in second normal form</translation>
    </message>
    <message>
        <source> Schema je ve treti normalni forme</source>
        <translation> The schema is in third normal form</translation>
    </message>
    <message>
        <source> Schema je v BCNF</source>
        <translation> The schema is in BCNF</translation>
    </message>
    <message>
        <source>SCHEMA %1:</source>
        <translation>SCHEMA %1:</translation>
    </message>
    <message>
        <source>ATRIBUTY:</source>
        <translation>ATTRIBUTES:</translation>
    </message>
    <message>
        <source>ZAVISLOSTI:</source>
        <translation>DEPENDENCIES:</translation>
    </message>
    <message>
        <source>KLICE:</source>
        <translation>KEYS:</translation>
    </message>
    <message>
        <source>NORMALNI FORMA:</source>
        <translation>NORMAL FORM:</translation>
    </message>
    <message>
        <source>Schema %1</source>
        <comment>a schema that joins the schemas numbered so, such as 3+5</comment>
        <translation>Schema %1</translation>
    </message>
    <message>
        <source>Schema %1: %2</source>
        <comment>a schema numbered %1 that joins the schemas numbered so, such as 1+3</comment>
        <translation>Schema %1: %2</translation>
    </message>
</context>
<context>
    <name>SynthesisExercise</name>
    <message>
        <source>Testovaci modul - Synteza</source>
        <translation>Exercises - Synthesis</translation>
    </message>
</context>
<context>
    <name>SynthesisWindow</name>
    <message>
        <source>Cervene schema je v 1 ci 2NF, zlute je schema v 3NF.</source>
        <translation>A red schema is in 1NF or 2NF, a yellow schema is in 3NF.</translation>
    </message>
    <message>
        <source>Zluta zavislost porusuje 3NF, zelena BCNF</source>
        <translation>A yellow dependency violates 3NF, a green one BCNF</translation>
    </message>
    <message>
        <source>Nejsou otevrena zadna schemata k tisku</source>
        <translation>No schemas are open for printing</translation>
    </message>
    <message>
        <source>Schemario - Synteza</source>
        <translation>Schemario - Synthesis</translation>
    </message>
    <message>
        <source>Rozlozeni podle stejnych &amp;levych stran</source>
        <translation>Split by equal &amp;left-hand sides</translation>
    </message>
    <message>
        <source>Rozlozi na schemta podle stejnych levych stran zavislosti</source>
        <translation>Splits into schemas by equal left-hand sides of the dependencies</translation>
    </message>
    <message>
        <source>&amp;Ekvivalentni klice</source>
        <translation>&amp;Equivalent keys</translation>
    </message>
    <message>
        <source>Slouci schemata s ekvivalentnimi klici</source>
        <translation>Merges schemas with equivalent keys</translation>
    </message>
    <message>
        <source>&amp;Projekce</source>
        <translation>&amp;Projections</translation>
    </message>
    <message>
        <source>Slouci schemata, ktera jsou projekci</source>
        <translation>Merges schemas that are projections</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Vytiskne vsechna schemata</source>
        <translation>Prints all schemas</translation>
    </message>
    <message>
        <source>&amp;Vysledna schemata</source>
        <translation>&amp;Resulting schemas</translation>
    </message>
    <message>
        <source>Vytiskne vysledna schemata</source>
        <translation>Prints the resulting schemas</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algorithms</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Puvodni schema:</source>
        <translation>Original schema:</translation>
    </message>
    <message>
        <source>Redundantni zavislosti a atributy byly vymazany jiz pred zobrazenim formulare</source>
        <translation>Redundant dependencies and attributes were deleted already before the form was shown</translation>
    </message>
    <message>
        <source>Sede kurzivou: schema nahrazene sloucenim nebo pohlcene projekci; ostatni schemata tvori vysledek.</source>
        <translation>Grey italics: a schema replaced by a merge or absorbed by a projection; the other schemas form the result.</translation>
    </message>
    <message>
        <source>Stejne leve strany:</source>
        <translation>Equal left-hand sides:</translation>
    </message>
    <message>
        <source>Ekvivalentni klice:</source>
        <translation>Equivalent keys:</translation>
    </message>
    <message>
        <source>Projekce:</source>
        <translation>Projections:</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Attributes:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Dependencies:</translation>
    </message>
    <message>
        <source>Klice:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>Nahrazeno: schema bylo sloucene nebo pohlcene</source>
        <translation>Replaced: the schema was merged or absorbed</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Dependency diagram</translation>
    </message>
    <message>
        <source>Synteza, schema %1</source>
        <translation>Synthesis, schema %1</translation>
    </message>
    <message>
        <source>Obrazek schematu, jehoz podrobnosti jsou zobrazeny</source>
        <translation>A picture of the schema whose details are shown</translation>
    </message>
</context>
<context>
    <name>WrappingField</name>
    <message>
        <source>&amp;Kopirovat</source>
        <translation>&amp;Copy</translation>
    </message>
</context>
</TS>
