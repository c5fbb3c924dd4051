<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Modele</name>
    <message>
        <source>le fichier ne peut pas être ouvert</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>%1 attendu, fin du fichier atteinte</source>
        <translation>%1 expected, end of file reached</translation>
    </message>
    <message>
        <source>%1 attendu (nombre entier), trouvé %2</source>
        <translation>%1 expected (whole number), found %2</translation>
    </message>
    <message>
        <source>%1 attendu, nombre entier trop grand : %2</source>
        <translation>%1 expected, whole number too large: %2</translation>
    </message>
    <message>
        <source>%1 : entier de %2 à %3 attendu, trouvé %4</source>
        <translation>%1: whole number from %2 to %3 expected, found %4</translation>
    </message>
    <message>
        <source>%1 attendu (nombre réel fini), trouvé %2</source>
        <translation>%1 expected (finite real number), found %2</translation>
    </message>
    <message>
        <source>%1 : nombre réel trop grand</source>
        <translation>%1: real number too large</translation>
    </message>
    <message>
        <source>%1 attendue, fin du fichier atteinte</source>
        <translation>%1 expected, end of file reached</translation>
    </message>
    <message>
        <source>%1 : le fichier décrit plus de %2 entrées de taille en tout</source>
        <translation>%1: the file describes more than %2 size entries in all</translation>
    </message>
    <message>
        <source>%1 : numéros de classe trop grands</source>
        <translation>%1: class numbers too large</translation>
    </message>
    <message>
        <source>%1 : %2 entrées, au plus %3 sont admises</source>
        <translation>%1: %2 entries, at most %3 are allowed</translation>
    </message>
    <message>
        <source>part de recrutement</source>
        <translation>share of recruitment</translation>
    </message>
    <message>
        <source>première classe de recrutement</source>
        <translation>first recruitment class</translation>
    </message>
    <message>
        <source>dernière classe de recrutement</source>
        <translation>last recruitment class</translation>
    </message>
    <message>
        <source>classes de recrutement</source>
        <translation>recruitment classes</translation>
    </message>
    <message>
        <source>première classe de taille</source>
        <translation>first size class</translation>
    </message>
    <message>
        <source>dernière classe de taille</source>
        <translation>last size class</translation>
    </message>
    <message>
        <source>nombre de répétitions</source>
        <translation>number of repetitions</translation>
    </message>
    <message>
        <source>classes de taille</source>
        <translation>size classes</translation>
    </message>
    <message>
        <source>entrées de taille</source>
        <translation>size entries</translation>
    </message>
    <message>
        <source>au moins une classe de taille attendue (dernière classe ≥ première, répétitions ≥ 1)</source>
        <translation>at least one size class expected (last class ≥ first, repetitions ≥ 1)</translation>
    </message>
    <message>
        <source>première classe de taille %1 attendue, comme à la première saison</source>
        <translation>first size class %1 expected, as in the first season</translation>
    </message>
    <message>
        <source>au moins %1 entrées de taille attendues, comme à la première saison</source>
        <translation>at least %1 size entries expected, as in the first season</translation>
    </message>
    <message>
        <source>croissance</source>
        <translation>growth</translation>
    </message>
    <message>
        <source>poids</source>
        <translation>weight</translation>
    </message>
    <message>
        <source>mortalité naturelle</source>
        <translation>natural mortality</translation>
    </message>
    <message>
        <source>croissance attendue sans descendre sous la classe %1</source>
        <translation>growth expected not to go below class %1</translation>
    </message>
    <message>
        <source>croissance attendue sans dépasser la dernière classe %1</source>
        <translation>growth expected not to go beyond the last class %1</translation>
    </message>
    <message>
        <source>nom de l&apos;espèce</source>
        <translation>species name</translation>
    </message>
    <message>
        <source>ligne après le nom de l&apos;espèce</source>
        <translation>line after the species name</translation>
    </message>
    <message>
        <source>aléa du recrutement</source>
        <translation>recruitment variability</translation>
    </message>
    <message>
        <source>entier de l&apos;espèce</source>
        <translation>species integer</translation>
    </message>
    <message>
        <source>classe de maturité</source>
        <translation>maturity class</translation>
    </message>
    <message>
        <source>nombre de navires</source>
        <translation>number of vessels</translation>
    </message>
    <message>
        <source>maillage réglementaire</source>
        <translation>regulated mesh</translation>
    </message>
    <message>
        <source>nombre de tranches de tailles</source>
        <translation>number of size ranges</translation>
    </message>
    <message>
        <source>première taille de la saison de pêche</source>
        <translation>first size of the fishing season</translation>
    </message>
    <message>
        <source>taille de début de tranche</source>
        <translation>first size of the range</translation>
    </message>
    <message>
        <source>taille de fin de tranche</source>
        <translation>last size of the range</translation>
    </message>
    <message>
        <source>prix</source>
        <translation>price</translation>
    </message>
    <message>
        <source>capturabilité</source>
        <translation>catchability</translation>
    </message>
    <message>
        <source>tailles de la saison de pêche</source>
        <translation>sizes of the fishing season</translation>
    </message>
    <message>
        <source>nom de l&apos;espèce exploitée</source>
        <translation>name of the species fished</translation>
    </message>
    <message>
        <source>ligne après le nom de l&apos;espèce exploitée</source>
        <translation>line after the name of the species fished</translation>
    </message>
    <message>
        <source>exposant de capturabilité</source>
        <translation>catchability exponent</translation>
    </message>
    <message>
        <source>facteur de sélection</source>
        <translation>selection factor</translation>
    </message>
    <message>
        <source>étendue de sélection</source>
        <translation>selection range</translation>
    </message>
    <message>
        <source>facteur de dôme</source>
        <translation>dome factor</translation>
    </message>
    <message>
        <source>nom du métier</source>
        <translation>fleet name</translation>
    </message>
    <message>
        <source>ligne après le nom du métier</source>
        <translation>line after the fleet name</translation>
    </message>
    <message>
        <source>coût fixe annuel par navire</source>
        <translation>annual fixed cost per vessel</translation>
    </message>
    <message>
        <source>coût par jour de mer</source>
        <translation>cost per day at sea</translation>
    </message>
    <message>
        <source>équipage par navire</source>
        <translation>crew per vessel</translation>
    </message>
    <message>
        <source>jours de mer par période</source>
        <translation>days at sea per period</translation>
    </message>
    <message>
        <source>maillage usuel</source>
        <translation>usual mesh</translation>
    </message>
    <message>
        <source>nombre d&apos;espèces exploitées</source>
        <translation>number of species fished</translation>
    </message>
    <message>
        <source>ligne avant la première condition du métier</source>
        <translation>line before the fleet&apos;s first conditions</translation>
    </message>
    <message>
        <source>nombre de lignes d&apos;en-tête</source>
        <translation>number of header lines</translation>
    </message>
    <message>
        <source>ligne d&apos;en-tête</source>
        <translation>header line</translation>
    </message>
    <message>
        <source>nombre de périodes par an</source>
        <translation>number of periods per year</translation>
    </message>
    <message>
        <source>titre de l&apos;axe des périodes</source>
        <translation>title of the period axis</translation>
    </message>
    <message>
        <source>nombre d&apos;espèces</source>
        <translation>number of species</translation>
    </message>
    <message>
        <source>ligne de séparation avant les métiers</source>
        <translation>separating line before the fleets</translation>
    </message>
    <message>
        <source>nombre de métiers</source>
        <translation>number of fleets</translation>
    </message>
    <message>
        <source>ligne de séparation avant les échelles</source>
        <translation>separating line before the scales</translation>
    </message>
    <message>
        <source>échelle %1 : maximum</source>
        <translation>scale %1: maximum</translation>
    </message>
    <message>
        <source>échelle %1 : diviseur</source>
        <translation>scale %1: divisor</translation>
    </message>
    <message>
        <source>échelle %1 : unité</source>
        <translation>scale %1: unit</translation>
    </message>
    <message>
        <source>première taille des graphes</source>
        <translation>first size of the graphs</translation>
    </message>
    <message>
        <source>dernière taille des graphes</source>
        <translation>last size of the graphs</translation>
    </message>
    <message>
        <source>CA et Coûts flottille</source>
        <translation>Turnover and costs, all fleets</translation>
    </message>
    <message>
        <source>CA et bénéfices</source>
        <translation>Turnover and profits</translation>
    </message>
    <message>
        <source>Quantités débarquées flottille</source>
        <translation>Landings, all fleets</translation>
    </message>
    <message>
        <source>Quantités</source>
        <translation>Quantities</translation>
    </message>
    <message>
        <source>Effectifs embarqués flottille</source>
        <translation>Crew on board, all fleets</translation>
    </message>
    <message>
        <source>Effectifs embarqués</source>
        <translation>Crew on board</translation>
    </message>
    <message>
        <source>Subventions / taxes flottille</source>
        <translation>Subsidies / taxes, all fleets</translation>
    </message>
    <message>
        <source>Taxes et subventions </source>
        <translation>Taxes and subsidies </translation>
    </message>
    <message>
        <source>CA et bénéfices </source>
        <translation>Turnover and profits </translation>
    </message>
    <message>
        <source>CA et bénéfices d&apos;exploitation</source>
        <translation>Turnover and operating profits</translation>
    </message>
    <message>
        <source>Quantité pêchée </source>
        <translation>Catch </translation>
    </message>
    <message>
        <source>CA gris </source>
        <translation>Grey turnover </translation>
    </message>
    <message>
        <source>CA Gris</source>
        <translation>Grey turnover</translation>
    </message>
    <message>
        <source>CA et Coûts / navire </source>
        <translation>Turnover and costs / vessel </translation>
    </message>
    <message>
        <source>CA et bénéfices / navire</source>
        <translation>Turnover and profits / vessel</translation>
    </message>
    <message>
        <source>Quantité pêchée / navire </source>
        <translation>Catch / vessel </translation>
    </message>
    <message>
        <source>Quantités / navire</source>
        <translation>Quantities / vessel</translation>
    </message>
    <message>
        <source>CA Gris / navire </source>
        <translation>Grey turnover / vessel </translation>
    </message>
    <message>
        <source>CA gris / navire</source>
        <translation>Grey turnover / vessel</translation>
    </message>
    <message>
        <source>Effort de Pêche </source>
        <translation>Fishing effort </translation>
    </message>
    <message>
        <source>Effort de pêche</source>
        <translation>Fishing effort</translation>
    </message>
    <message>
        <source>Nb de Navires </source>
        <translation>Number of vessels </translation>
    </message>
    <message>
        <source>Nombre de navires</source>
        <translation>Number of vessels</translation>
    </message>
    <message>
        <source>Nb de Jours de mer / Navire </source>
        <translation>Days at sea / vessel </translation>
    </message>
    <message>
        <source>Nb de jours de mer</source>
        <translation>Days at sea</translation>
    </message>
    <message>
        <source>Captures et rejets </source>
        <translation>Catches and discards </translation>
    </message>
    <message>
        <source>Captures et rejets (nombres)</source>
        <translation>Catches and discards (numbers)</translation>
    </message>
    <message>
        <source>Captures et rejets (Poids) </source>
        <translation>Catches and discards (weight) </translation>
    </message>
    <message>
        <source>Captures et rejets (poids)</source>
        <translation>Catches and discards (weight)</translation>
    </message>
    <message>
        <source>Valeur des débarquements </source>
        <translation>Value of landings </translation>
    </message>
    <message>
        <source>Valeurs</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Biomasses : </source>
        <translation>Biomasses: </translation>
    </message>
    <message>
        <source>Biomasses</source>
        <translation>Biomasses</translation>
    </message>
    <message>
        <source>Composition en taille (population et captures) : </source>
        <translation>Size composition (population and catches): </translation>
    </message>
    <message>
        <source>Composition en tailles (population et  captures)</source>
        <translation>Size composition (population and catches)</translation>
    </message>
    <message>
        <source>Biomasse et captures (poids) par taille </source>
        <translation>Biomass and catches (weight) by size </translation>
    </message>
    <message>
        <source>Biomasse et captures (poids) par taille</source>
        <translation>Biomass and catches (weight) by size</translation>
    </message>
    <message>
        <source>Captures (composition en taille) </source>
        <translation>Catches (size composition) </translation>
    </message>
    <message>
        <source>Captures (composition en tailles)</source>
        <translation>Catches (size composition)</translation>
    </message>
    <message>
        <source>Captures (Poids) par taille </source>
        <translation>Catches (weight) by size </translation>
    </message>
    <message>
        <source>Captures (poids par taille)</source>
        <translation>Catches (weight by size)</translation>
    </message>
    <message>
        <source>F selon la taille </source>
        <translation>F by size </translation>
    </message>
    <message>
        <source>F selon la taille</source>
        <translation>F by size</translation>
    </message>
    <message>
        <source>Résultats &amp;globaux</source>
        <translation>&amp;Overall results</translation>
    </message>
    <message>
        <source>Résultats par &amp;métier</source>
        <translation>Results by &amp;fleet</translation>
    </message>
    <message>
        <source>Espèces</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Résultats par &amp;espèce</source>
        <translation>Results by &amp;species</translation>
    </message>
    <message>
        <source>Nombre de Navires</source>
        <translation>Number of vessels</translation>
    </message>
    <message>
        <source>Nombre de Navires : Valeur non numérique</source>
        <translation>Number of vessels: not a number</translation>
    </message>
    <message>
        <source>Nombre de navires &lt; 0</source>
        <translation>Number of vessels &lt; 0</translation>
    </message>
    <message>
        <source>Maillage (mm) :</source>
        <translation>Mesh (mm):</translation>
    </message>
    <message>
        <source>Maillage : Valeur non numérique</source>
        <translation>Mesh: not a number</translation>
    </message>
    <message>
        <source>Maillage &lt; 0</source>
        <translation>Mesh &lt; 0</translation>
    </message>
    <message>
        <source>Nb de Jours de Mer / période:</source>
        <translation>Days at sea / period:</translation>
    </message>
    <message>
        <source>Nombre de jours : Valeur non numérique</source>
        <translation>Number of days: not a number</translation>
    </message>
    <message>
        <source>Nombre de jours &lt; 0 ou &gt; à durée période</source>
        <translation>Number of days &lt; 0 or &gt; length of the period</translation>
    </message>
    <message>
        <source>Annuelle</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>Subvention An : Valeur non numérique</source>
        <translation>Annual subsidy: not a number</translation>
    </message>
    <message>
        <source>Jour de Mer</source>
        <translation>Per day at sea</translation>
    </message>
    <message>
        <source>Subvention Jour Mer : Valeur non numérique</source>
        <translation>Subsidy per day at sea: not a number</translation>
    </message>
    <message>
        <source>Taux taxes sur CA (en %)</source>
        <translation>Tax rate on turnover (%)</translation>
    </message>
    <message>
        <source>Taux Taxe sur CA : Valeur non numérique</source>
        <translation>Tax rate on turnover: not a number</translation>
    </message>
    <message>
        <source>Taxe sur CA &gt; à 100%</source>
        <translation>Tax on turnover &gt; 100%</translation>
    </message>
    <message>
        <source>Indice de  Répression (en %) :</source>
        <translation>Enforcement index (%):</translation>
    </message>
    <message>
        <source>Indice de répression : Valeur non numérique</source>
        <translation>Enforcement index: not a number</translation>
    </message>
    <message>
        <source>Indice de répression &lt;0 ou &gt;100</source>
        <translation>Enforcement index &lt; 0 or &gt; 100</translation>
    </message>
    <message>
        <source>Quota / Periode (T):</source>
        <translation>Quota / period (t):</translation>
    </message>
    <message>
        <source>Quota : Valeur non numérique</source>
        <translation>Quota: not a number</translation>
    </message>
    <message>
        <source>Quotas &lt; 0</source>
        <translation>Quota &lt; 0</translation>
    </message>
    <message>
        <source>Taille minimale (cm) :</source>
        <translation>Minimum size (cm):</translation>
    </message>
    <message>
        <source>Taille Minimale : Valeur non numérique</source>
        <translation>Minimum size: not a number</translation>
    </message>
    <message>
        <source>Taille Minimale &lt;= 0</source>
        <translation>Minimum size &lt;= 0</translation>
    </message>
    <message>
        <source>Taille Minimale &gt; 65535</source>
        <translation>Minimum size &gt; 65535</translation>
    </message>
    <message>
        <source>Le fichier de données %1 a changé depuis l&apos;enregistrement de la partie</source>
        <translation>The data file %1 has changed since the game was saved</translation>
    </message>
    <message>
        <source>Le fichier de données %1 de la partie est introuvable</source>
        <translation>The game&apos;s data file %1 cannot be found</translation>
    </message>
    <message>
        <source>Chiffre d&apos;affaires</source>
        <translation>Turnover</translation>
    </message>
    <message>
        <source>Bénéfice</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Quantités débarquées</source>
        <translation>Landings</translation>
    </message>
    <message>
        <source>Subventions moins taxes</source>
        <translation>Subsidies less taxes</translation>
    </message>
    <message>
        <source>CA gris</source>
        <translation>Grey turnover</translation>
    </message>
    <message>
        <source>Navires</source>
        <translation>Vessels</translation>
    </message>
    <message>
        <source>Jours de mer</source>
        <translation>Days at sea</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Catches</translation>
    </message>
    <message>
        <source>Rejets</source>
        <translation>Discards</translation>
    </message>
    <message>
        <source>Valeur des débarquements</source>
        <translation>Value of landings</translation>
    </message>
    <message>
        <source>Biomasse</source>
        <translation>Biomass</translation>
    </message>
    <message>
        <source>Biomasse féconde</source>
        <translation>Spawning biomass</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Mortalité par pêche F</source>
        <translation>Fishing mortality F</translation>
    </message>
    <message>
        <source>Coûts</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Perte</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>c&apos;est la partie en cours elle-même</source>
        <translation>it is the current game itself</translation>
    </message>
    <message>
        <source>le même fichier est déjà comparé</source>
        <translation>the same file is already being compared</translation>
    </message>
    <message>
        <source>fichier illisible ou introuvable</source>
        <translation>file unreadable or not found</translation>
    </message>
    <message>
        <source>partie sans aucune période jouée</source>
        <translation>game with no period played</translation>
    </message>
    <message>
        <source>au-delà des 60 premières parties par nom</source>
        <translation>beyond the first 60 games by name</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vasco : simulation bio-économique d&apos;une pêcherie (jeu de gestion).</source>
        <translation>Vasco: bio-economic simulation of a fishery (management game).</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Fichier de données (.vsc) à charger, ou partie (.vsp) à ouvrir, au démarrage.</source>
        <translation>Data file (.vsc) to load, or game (.vsp) to open, at start.</translation>
    </message>
    <message>
        <source>[FICHIER.vsc | PARTIE.vsp]</source>
        <translation>[FILE.vsc | GAME.vsp]</translation>
    </message>
    <message>
        <source>Partie d&apos;un élève (.vsp) à comparer avec la partie en cours ; une par option, l&apos;option répétée pour chaque partie.</source>
        <translation>A student&apos;s game (.vsp) to compare with the current game; one per option, the option repeated for each game.</translation>
    </message>
    <message>
        <source>PARTIE.vsp</source>
        <translation>GAME.vsp</translation>
    </message>
</context>
<context>
    <name>vasco::TAPropos</name>
    <message>
        <source>Version 4.0</source>
        <translation>Version 4.0</translation>
    </message>
    <message>
        <source>Simulation bio-économique d&apos;une pêcherie
mixte, multi-espèces et multi-flottilles.
Jeu de gestion pour l&apos;enseignement.

Conception et programmation : l&apos;équipe Vasco.
Image et sons : créés pour Vasco.</source>
        <translation>Bio-economic simulation of a mixed,
multi-species, multi-fleet fishery.
A management game for teaching.

Design and programming: the Vasco team.
Picture and sounds: made for Vasco.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vasco::TAide</name>
    <message>
        <source>Cette rubrique de l&apos;aide n&apos;existe pas.</source>
        <translation>This help topic does not exist.</translation>
    </message>
    <message>
        <source>Aide de Vasco</source>
        <translation>Vasco help</translation>
    </message>
    <message>
        <source>&amp;Sommaire</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&lt; &amp;Précédent</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message>
        <source>Su&amp;ivant &gt;</source>
        <translation>&amp;Forward &gt;</translation>
    </message>
    <message>
        <source>Aide de Vasco – %1</source>
        <translation>Vasco help – %1</translation>
    </message>
</context>
<context>
    <name>vasco::TBilan60ans</name>
    <message>
        <source>Bilan des 60 ans</source>
        <translation>Sixty-year balance</translation>
    </message>
    <message>
        <source>MOYENNES</source>
        <translation>AVERAGES</translation>
    </message>
    <message>
        <source>Production </source>
        <translation>Production </translation>
    </message>
    <message>
        <source>CA</source>
        <translation>Turnover</translation>
    </message>
    <message>
        <source>Bénéfices</source>
        <translation>Profits</translation>
    </message>
    <message>
        <source>Bilan social</source>
        <translation>Social balance</translation>
    </message>
    <message>
        <source>&amp;Recommencer</source>
        <translation>&amp;Start again</translation>
    </message>
    <message>
        <source>Faire une nouvelle tentative avec les mêmes données</source>
        <translation>Try again with the same data</translation>
    </message>
    <message>
        <source>Visualiser</source>
        <translation>View results</translation>
    </message>
    <message>
        <source>Pour pouvoir utiliser &quot;Menu principal | Visualisation&quot; (manuellement)</source>
        <translation>To use &quot;Main menu | Graphs&quot; (by hand)</translation>
    </message>
</context>
<context>
    <name>vasco::TConditionEspece</name>
    <message>
        <source>Cocher cette case s&apos;il y a un quotas</source>
        <translation>Tick this box for a quota</translation>
    </message>
    <message>
        <source>Entrer la valeur du quotas pour la période</source>
        <translation>Enter the quota&apos;s value for the period</translation>
    </message>
    <message>
        <source>Cocher cette case s&apos;il y a une taille marchande</source>
        <translation>Tick this box for a minimum landing size</translation>
    </message>
    <message>
        <source>Entrer la taille marchande (cm)</source>
        <translation>Enter the minimum landing size (cm)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Conditions Espece :%1</source>
        <translation>Species conditions: %1</translation>
    </message>
</context>
<context>
    <name>vasco::TConditionMetierSimple</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Subventions</source>
        <translation>Subsidies</translation>
    </message>
    <message>
        <source>Conditions Metier : %1</source>
        <translation>Fleet conditions: %1</translation>
    </message>
</context>
<context>
    <name>vasco::TDiagrammes</name>
    <message>
        <source>Calcul annulé.</source>
        <translation>Computation cancelled.</translation>
    </message>
    <message>
        <source>Calcul annulé : « Recalculer » le relance.</source>
        <translation>Computation cancelled: &quot;Recompute&quot; starts it again.</translation>
    </message>
    <message>
        <source>Calcul de l&apos;équilibre en cours...</source>
        <translation>Computing the equilibrium...</translation>
    </message>
    <message>
        <source>Diagramme bio-économique</source>
        <translation>Bio-economic diagram</translation>
    </message>
    <message>
        <source>Le calcul a échoué : %1</source>
        <translation>The computation failed: %1</translation>
    </message>
    <message>
        <source>Mesures en vigueur :
%1</source>
        <translation>Measures in force:
%1</translation>
    </message>
    <message>
        <source>Équilibre calculé pour les mesures en vigueur à la période %1</source>
        <translation>Equilibrium computed for the measures in force in period %1</translation>
    </message>
    <message>
        <source>, navires du métier %1 seul</source>
        <translation>, vessels of fleet %1 only</translation>
    </message>
    <message>
        <source>, recrutement aléatoire (%1 tirages)</source>
        <translation>, random recruitment (%1 draws)</translation>
    </message>
    <message>
        <source>Les mesures ont changé depuis : « Recalculer » les prend en compte.</source>
        <translation>The measures have changed since: &quot;Recompute&quot; takes them into account.</translation>
    </message>
</context>
<context>
    <name>vasco::TFG</name>
    <message>
        <source>&amp;Copier l&apos;image</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>Taille %1 %2</source>
        <translation>Size %1 %2</translation>
    </message>
    <message>
        <source>%1 : %2 %3</source>
        <extracomment>A series&apos; value: its name, the value, the unit.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>%1 : %2. </source>
        <extracomment>The column under the cursor, then its values.</extracomment>
        <translation>%1: %2. </translation>
    </message>
    <message>
        <source>%1. Axe vertical de %2 à %3 %4. </source>
        <extracomment>The graph&apos;s title, the bounds of its vertical axis and their unit.</extracomment>
        <translation>%1. Vertical axis from %2 to %3 %4. </translation>
    </message>
    <message>
        <source>Aucune valeur.</source>
        <translation>No values.</translation>
    </message>
    <message>
        <source>Tailles %1 à %2 %3.</source>
        <translation>Sizes %1 to %2 %3.</translation>
    </message>
    <message>
        <source>%1 %2 à %3.</source>
        <extracomment>The X axis title (periods, quarters...), the first and last shown.</extracomment>
        <translation>%1 %2 to %3.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <extracomment>A cell of a graph&apos;s table of values: its column&apos;s name, its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Période %1 (après la fin de la partie)</source>
        <translation>Period %1 (after the end of the game)</translation>
    </message>
    <message>
        <source>(après la fin de la partie)</source>
        <translation>(after the end of the game)</translation>
    </message>
    <message>
        <source>, comparée à 1 partie</source>
        <translation>, compared with 1 game</translation>
    </message>
    <message>
        <source>, comparée à %1 parties</source>
        <translation>, compared with %1 games</translation>
    </message>
    <message>
        <source>médiane</source>
        <translation>median</translation>
    </message>
    <message>
        <source>médiane de %1 parties</source>
        <extracomment>The dashed line of the median of the compared games.</extracomment>
        <translation>median of %1 games</translation>
    </message>
    <message>
        <source>min–max</source>
        <extracomment>The band of the compared games, from the smallest to the largest value, or from the 5 % to the 95 % quantile with 20 games or more.</extracomment>
        <translation>min–max</translation>
    </message>
    <message>
        <source>5–95 %</source>
        <translation>5–95 %</translation>
    </message>
</context>
<context>
    <name>vasco::TFGDiagramme</name>
    <message>
        <source>Votre partie</source>
        <translation>Your game</translation>
    </message>
    <message>
        <source>Diagramme bio-économique</source>
        <translation>Bio-economic diagram</translation>
    </message>
    <message>
        <source>Production d&apos;équilibre</source>
        <translation>Equilibrium production</translation>
    </message>
    <message>
        <source>Médiane de %1 parties</source>
        <translation>Median of %1 games</translation>
    </message>
    <message>
        <source>Chiffre d&apos;affaires</source>
        <translation>Turnover</translation>
    </message>
    <message>
        <source>Coûts</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Bénéfice</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Rente (sans subventions ni taxes)</source>
        <translation>Rent (without subsidies or taxes)</translation>
    </message>
    <message>
        <source>Poids débarqué</source>
        <translation>Landed weight</translation>
    </message>
    <message>
        <source>%1 : biomasse féconde</source>
        <translation>%1: spawning biomass</translation>
    </message>
    <message>
        <source>flotte × f (1 = mesures actuelles)</source>
        <translation>fleet × f (1 = current measures)</translation>
    </message>
    <message>
        <source>%1 par période</source>
        <translation>%1 per period</translation>
    </message>
    <message>
        <source>poids débarqué, %1 par période</source>
        <translation>landed weight, %1 per period</translation>
    </message>
    <message>
        <source>biomasse féconde, % de la vierge</source>
        <translation>spawning biomass, % of virgin</translation>
    </message>
    <message>
        <source>RMD</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>MEY</translation>
    </message>
    <message>
        <source>accès libre</source>
        <translation>open access</translation>
    </message>
    <message>
        <source>aujourd&apos;hui</source>
        <translation>today</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>year %1</translation>
    </message>
    <message>
        <source>facteur f</source>
        <translation>factor f</translation>
    </message>
    <message>
        <source>f = %1</source>
        <translation>f = %1</translation>
    </message>
    <message>
        <source>%1 : %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>point qui ne s&apos;est pas stabilisé</source>
        <translation>point that did not settle</translation>
    </message>
    <message>
        <source>Année %1 : f = %2, %3 %4</source>
        <translation>Year %1: f = %2, %3 %4</translation>
    </message>
    <message>
        <source>%1. Axe horizontal : flotte × f de %2 à %3. Axe vertical de %4 à %5 %6. </source>
        <translation>%1. Horizontal axis: fleet × f from %2 to %3. Vertical axis from %4 to %5 %6. </translation>
    </message>
    <message>
        <source>Aucune valeur.</source>
        <translation>No values.</translation>
    </message>
    <message>
        <source>%1 à f = %2. </source>
        <translation>%1 at f = %2. </translation>
    </message>
    <message>
        <source>Accès libre</source>
        <translation>Open access</translation>
    </message>
    <message>
        <source>%1 : %2 ans, la dernière à f = %3, %4 %5. </source>
        <translation>%1: %2 years, the last at f = %3, %4 %5. </translation>
    </message>
    <message>
        <source>Chemin approché. </source>
        <translation>Approximate path. </translation>
    </message>
    <message>
        <source>&amp;Copier l&apos;image</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>Chemin approché, métiers changés inégalement : %1</source>
        <translation>Approximate path, fleets changed unequally: %1</translation>
    </message>
</context>
<context>
    <name>vasco::TFGDyna</name>
    <message>
        <source>Graphique Dynamique</source>
        <translation>Dynamic graph</translation>
    </message>
</context>
<context>
    <name>vasco::TFGSEco</name>
    <message>
        <source>Graphique Economique</source>
        <translation>Economic graph</translation>
    </message>
</context>
<context>
    <name>vasco::TFQuitter</name>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Voulez vous vraiment quitter cette Application?</source>
        <translation>Do you really want to quit this application?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vasco::TFenetreDiagramme</name>
    <message>
        <source>Recrutement aléatoire</source>
        <translation>Random recruitment</translation>
    </message>
    <message>
        <source>Recalculer</source>
        <translation>Recompute</translation>
    </message>
    <message>
        <source>Toute la flotte</source>
        <translation>The whole fleet</translation>
    </message>
    <message>
        <source>Flotte multipliée par f</source>
        <translation>Fleet multiplied by f</translation>
    </message>
    <message>
        <source>Chaque point est la médiane de plusieurs tirages du recrutement ; la bande va de 5 % à 95 %</source>
        <translation>Each point is the median of several recruitment draws; the band goes from 5 % to 95 %</translation>
    </message>
    <message>
        <source> tirages</source>
        <translation> draws</translation>
    </message>
    <message>
        <source>Nombre de tirages par point</source>
        <translation>Number of draws per point</translation>
    </message>
</context>
<context>
    <name>vasco::TFenetreMere</name>
    <message>
        <source>Choix du fichier de données</source>
        <translation>Choose data file</translation>
    </message>
    <message>
        <source>Fichiers de données Vasco (*.vsc *.VSC);;Tous les fichiers (*)</source>
        <translation>Vasco data files (*.vsc *.VSC);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Choix du fichier de données</source>
        <translation>&amp;Choose data file</translation>
    </message>
    <message>
        <source>Réutiliser</source>
        <translation>Reuse</translation>
    </message>
    <message>
        <source>Pour réinitialiser avec le même fichier de données</source>
        <translation>To start again with the same data file</translation>
    </message>
    <message>
        <source>&amp;Enregistrer graphique sous...</source>
        <translation>&amp;Save graph as...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Simulations</source>
        <translation>&amp;Simulations</translation>
    </message>
    <message>
        <source>&amp;Pas à pas</source>
        <translation>&amp;Step by step</translation>
    </message>
    <message>
        <source>En &amp;continu</source>
        <translation>&amp;Continuous</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>Pas en arrière</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source> Modification des conditions / &amp;Métier ...</source>
        <translation> Change conditions / &amp;Fleet ...</translation>
    </message>
    <message>
        <source>Modification des conditions / &amp;Espèce ...</source>
        <translation>Change conditions / &amp;Species ...</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Fenêtres</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Mosaîque</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>C&amp;lose all</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Recrutement aléatoire</source>
        <translation>Random recruitment</translation>
    </message>
    <message>
        <source>Croissance aléatoire</source>
        <translation>Random growth</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Affichage numéro période</source>
        <translation>Show period number</translation>
    </message>
    <message>
        <source>Concours</source>
        <translation>Contest</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;A Propos de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Système</source>
        <translation>System</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;appliquera au prochain démarrage de Vasco.</source>
        <translation>The language chosen will apply the next time Vasco starts.</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Mosaïque</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Enregistrer graphique</source>
        <translation>Save graph</translation>
    </message>
    <message>
        <source>Simulation en continue</source>
        <translation>Continuous simulation</translation>
    </message>
    <message>
        <source>Stop simulation en continu</source>
        <translation>Stop the continuous simulation</translation>
    </message>
    <message>
        <source>Simulation Pas à Pas</source>
        <translation>Step by step simulation</translation>
    </message>
    <message>
        <source>Effacer le dernier pas de simulation</source>
        <translation>Undo the last simulation step</translation>
    </message>
    <message>
        <source>Magnétoscope</source>
        <translation>Step control</translation>
    </message>
    <message>
        <source> &amp;Revoir les périodes : </source>
        <translation> &amp;Replay periods: </translation>
    </message>
    <message>
        <source>Choisissez un fichier de données (menu Fichier) pour commencer.</source>
        <translation>Choose a data file (File menu) to begin.</translation>
    </message>
    <message>
        <source>%1 : ligne %2 : %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide « %1 » est introuvable ou illisible.
Il doit se trouver à côté du programme ou dans son dossier share/vasco.</source>
        <translation>The help file &quot;%1&quot; cannot be found or read.
It must be beside the program or in its share/vasco folder.</translation>
    </message>
    <message>
        <source>%1 : aucune période simulée</source>
        <translation>%1: no period simulated</translation>
    </message>
    <message>
        <source>%1 : période %2 sur %3 (année %4, période %5 de l&apos;année)</source>
        <translation>%1: period %2 of %3 (year %4, period %5 of the year)</translation>
    </message>
    <message>
        <source>Impossible de Quitter : &quot;simulation en cours&quot;</source>
        <translation>Cannot quit: &quot;simulation running&quot;</translation>
    </message>
    <message>
        <source>Imposible de lire le fichier son.</source>
        <translation>Cannot play the sound file.</translation>
    </message>
    <message>
        <source>Erreur lors de la lecture du fichier son.</source>
        <translation>Error while playing the sound file.</translation>
    </message>
    <message>
        <source>A Propos %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Enregistrer graphique sous</source>
        <translation>Save graph as</translation>
    </message>
    <message>
        <source>Fichiers Images (*.BMP *.bmp)</source>
        <translation>Image files (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Valeurs (*.csv)</source>
        <translation>Values (*.csv)</translation>
    </message>
    <message>
        <source>Tout Fichiers  (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Aucune Fenêtre Graphique Ouverte</source>
        <translation>No graph window open</translation>
    </message>
    <message>
        <source>Le fichier « %1 » n&apos;a pas pu être écrit.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>La partie ne peut pas être ouverte</source>
        <translation>The game cannot be opened</translation>
    </message>
    <message>
        <source>Parties Vasco (*.vsp)</source>
        <translation>Vasco games (*.vsp)</translation>
    </message>
    <message>
        <source>Ouvrir une partie...</source>
        <translation>Open game...</translation>
    </message>
    <message>
        <source>Enregistrer la partie...</source>
        <translation>Save game...</translation>
    </message>
    <message>
        <source>Enregistrer la partie</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Open game</translation>
    </message>
    <message>
        <source>%1;;Tous les fichiers (*)</source>
        <translation>%1;;All files (*)</translation>
    </message>
    <message>
        <source>écriture incomplète (disque plein ?)</source>
        <translation>incomplete write (disk full?)</translation>
    </message>
    <message>
        <source>La partie n&apos;a pas pu être enregistrée
« %1 » : %2</source>
        <translation>The game could not be saved
&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Partie enregistrée dans %1</source>
        <translation>Game saved in %1</translation>
    </message>
    <message>
        <source>Enregistrer la partie ?</source>
        <translation>Save the game?</translation>
    </message>
    <message>
        <source>La partie en cours n&apos;a pas été enregistrée.</source>
        <translation>The current game has not been saved.</translation>
    </message>
    <message>
        <source>La partie « %1 » a changé depuis son dernier enregistrement.</source>
        <translation>The game &quot;%1&quot; has changed since it was last saved.</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 : le fichier ne peut pas être ouvert</source>
        <translation>%1: the file cannot be opened</translation>
    </message>
    <message>
        <source>%1 : choisissez-le.</source>
        <translation>%1: please choose it.</translation>
    </message>
    <message>
        <source>%1 message(s) pendant la reprise de la partie, le premier :
%2</source>
        <translation>%1 message(s) while replaying the game, the first one:
%2</translation>
    </message>
    <message>
        <source>Le dossier « %1 » n&apos;existe pas.
Choisissez un dossier existant.</source>
        <translation>The folder &quot;%1&quot; does not exist.
Choose an existing folder.</translation>
    </message>
    <message>
        <source>Légendes</source>
        <translation>Legends</translation>
    </message>
    <message>
        <source>Comparer avec des parties...</source>
        <translation>Compare with games...</translation>
    </message>
    <message>
        <source>Montrer dans chaque graphique les parties rendues par les élèves</source>
        <translation>Show in every graph the games handed in by the students</translation>
    </message>
    <message>
        <source>Retirer la comparaison</source>
        <translation>Remove the comparison</translation>
    </message>
    <message>
        <source>Comparer avec des parties</source>
        <translation>Compare with games</translation>
    </message>
    <message>
        <source>Comparaison des parties</source>
        <translation>Comparing the games</translation>
    </message>
    <message>
        <source>Comparaison annulée</source>
        <translation>Comparison cancelled</translation>
    </message>
    <message>
        <source>La comparaison n&apos;a pas pu se faire
%1</source>
        <translation>The comparison could not be made
%1</translation>
    </message>
    <message>
        <source>Comparée à une partie</source>
        <translation>Compared with one game</translation>
    </message>
    <message>
        <source>Comparée à %1 parties</source>
        <translation>Compared with %1 games</translation>
    </message>
    <message>
        <source>Aucune partie n&apos;a pu être comparée</source>
        <translation>No game could be compared</translation>
    </message>
    <message>
        <source>Comparaison avec une partie</source>
        <translation>Comparison with one game</translation>
    </message>
    <message>
        <source>Comparaison avec %1 parties</source>
        <translation>Comparison with %1 games</translation>
    </message>
    <message>
        <source>Parties écartées :</source>
        <translation>Games left out:</translation>
    </message>
    <message>
        <source>Messages pendant la reprise des parties :</source>
        <translation>Messages while the games were replayed:</translation>
    </message>
    <message>
        <source>Aucune partie à laquelle comparer
Donnez d&apos;abord le fichier de données ou la partie en cours : vasco FICHIER --comparer PARTIE.vsp</source>
        <translation>No game to compare with
Give the data file or the current game first: vasco FILE --comparer GAME.vsp</translation>
    </message>
    <message>
        <source>%1, après la fin de la partie (%2 périodes jouées)</source>
        <translation>%1, after the end of the game (%2 periods played)</translation>
    </message>
    <message>
        <source>Diagramme bio-économique</source>
        <translation>Bio-economic diagram</translation>
    </message>
    <message>
        <source>L&apos;équilibre de la pêcherie selon sa flotte, et votre partie dessus</source>
        <translation>The fishery&apos;s equilibrium by the size of its fleet, with your game on it</translation>
    </message>
    <message>
        <source>%1 parties, de %2 à %3</source>
        <translation>%1 games, from %2 to %3</translation>
    </message>
</context>
<context>
    <name>vasco::TMagneto</name>
    <message>
        <source>Lecture par période</source>
        <translation>Play by period</translation>
    </message>
    <message>
        <source>Rejouer période par période</source>
        <translation>Replay period by period</translation>
    </message>
    <message>
        <source>Lecture par année</source>
        <translation>Play by year</translation>
    </message>
    <message>
        <source>Rejouer année par année</source>
        <translation>Replay year by year</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause (appuyer à nouveau pour reprendre)</source>
        <translation>Pause (press again to resume)</translation>
    </message>
    <message>
        <source>Arrêt</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Arrêter la lecture</source>
        <translation>Stop the replay</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Revenir à la première période</source>
        <translation>Back to the first period</translation>
    </message>
    <message>
        <source>Période suivante</source>
        <translation>Next period</translation>
    </message>
    <message>
        <source>Année suivante</source>
        <translation>Next year</translation>
    </message>
    <message>
        <source>Période précédente</source>
        <translation>Previous period</translation>
    </message>
    <message>
        <source>Année précédente</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>Magnétoscope</source>
        <translation>Step control</translation>
    </message>
    <message>
        <source>Aucune période simulée</source>
        <translation>No period simulated</translation>
    </message>
    <message>
        <source>Période %1 sur %2</source>
        <translation>Period %1 of %2</translation>
    </message>
    <message>
        <source>Période %1 sur %2, après la fin de la partie</source>
        <translation>Period %1 of %2, after the end of the game</translation>
    </message>
</context>
<context>
    <name>vasco::TTravail</name>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Arrête le calcul en cours</source>
        <translation>Stops the computation under way</translation>
    </message>
</context>
</TS>
