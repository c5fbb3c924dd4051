<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Modele</name>
    <message>
        <source>le fichier ne peut pas être ouvert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attendu, fin du fichier atteinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attendu (nombre entier), trouvé %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attendu, nombre entier trop grand : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : entier de %2 à %3 attendu, trouvé %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attendu (nombre réel fini), trouvé %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : nombre réel trop grand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attendue, fin du fichier atteinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : le fichier décrit plus de %2 entrées de taille en tout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : numéros de classe trop grands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 entrées, au plus %3 sont admises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part de recrutement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>première classe de recrutement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dernière classe de recrutement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classes de recrutement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>première classe de taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dernière classe de taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de répétitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classes de taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entrées de taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>au moins une classe de taille attendue (dernière classe ≥ première, répétitions ≥ 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>première classe de taille %1 attendue, comme à la première saison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>au moins %1 entrées de taille attendues, comme à la première saison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>croissance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>poids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mortalité naturelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>croissance attendue sans descendre sous la classe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>croissance attendue sans dépasser la dernière classe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom de l&apos;espèce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne après le nom de l&apos;espèce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aléa du recrutement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entier de l&apos;espèce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classe de maturité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de navires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maillage réglementaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de tranches de tailles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>première taille de la saison de pêche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taille de début de tranche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taille de fin de tranche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capturabilité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tailles de la saison de pêche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom de l&apos;espèce exploitée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne après le nom de l&apos;espèce exploitée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exposant de capturabilité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>facteur de sélection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>étendue de sélection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>facteur de dôme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom du métier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne après le nom du métier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coût fixe annuel par navire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coût par jour de mer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>équipage par navire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jours de mer par période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maillage usuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre d&apos;espèces exploitées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne avant la première condition du métier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de lignes d&apos;en-tête</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne d&apos;en-tête</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de périodes par an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>titre de l&apos;axe des périodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre d&apos;espèces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne de séparation avant les métiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de métiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne de séparation avant les échelles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>échelle %1 : maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>échelle %1 : diviseur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>échelle %1 : unité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>première taille des graphes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dernière taille des graphes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et Coûts flottille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et bénéfices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantités débarquées flottille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantités</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effectifs embarqués flottille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effectifs embarqués</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subventions / taxes flottille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxes et subventions </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et bénéfices </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et bénéfices d&apos;exploitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantité pêchée </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA gris </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA Gris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et Coûts / navire </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA et bénéfices / navire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantité pêchée / navire </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantités / navire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA Gris / navire </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA gris / navire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effort de Pêche </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effort de pêche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de Navires </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de navires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de Jours de mer / Navire </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de jours de mer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures et rejets </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures et rejets (nombres)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures et rejets (Poids) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures et rejets (poids)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur des débarquements </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biomasses : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biomasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composition en taille (population et captures) : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composition en tailles (population et  captures)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biomasse et captures (poids) par taille </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biomasse et captures (poids) par taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures (composition en taille) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures (composition en tailles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures (Poids) par taille </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures (poids par taille)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F selon la taille </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F selon la taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats &amp;globaux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats par &amp;métier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espèces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats par &amp;espèce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de Navires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de Navires : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de navires &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maillage (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maillage : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maillage &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de Jours de Mer / période:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de jours : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de jours &lt; 0 ou &gt; à durée période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subvention An : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour de Mer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subvention Jour Mer : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taux taxes sur CA (en %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taux Taxe sur CA : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxe sur CA &gt; à 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice de  Répression (en %) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice de répression : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice de répression &lt;0 ou &gt;100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota / Periode (T):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotas &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille minimale (cm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille Minimale : Valeur non numérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille Minimale &lt;= 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille Minimale &gt; 65535</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
