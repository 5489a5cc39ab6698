<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Analysis</source>
        <translation>Analises</translation>
    </message>
    <message>
        <source>Time period</source>
        <translation>Periodo de tempo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Period agregate</source>
        <translation>Periodo agregado</translation>
    </message>
    <message>
        <source>Show dates</source>
        <translation>Mostrar datas</translation>
    </message>
    <message>
        <source>Show values</source>
        <translation>Mostrar valores</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <source>Label disposition</source>
        <translation>Disposição dos nomes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Rotas</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Total route cost</source>
        <translation>Custo total de rota</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Total distance plot</source>
        <translation>Gráfico da distancia total</translation>
    </message>
    <message>
        <source>Distance (Km)</source>
        <translation>Distancia (Km)</translation>
    </message>
    <message>
        <source>Client freq.</source>
        <translation>Freq de clientes</translation>
    </message>
    <message>
        <source>Client frequency</source>
        <translation>Frequência de clientes</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Neighborhood freq.</source>
        <translation>Frequência de bairros</translation>
    </message>
    <message>
        <source>Neighborhood</source>
        <translation>Bairros</translation>
    </message>
    <message>
        <source>Depot neighborhood frequency</source>
        <translation>Frequência de bairros de depósitos</translation>
    </message>
</context>
</TS>
