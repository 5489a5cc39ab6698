<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Open instance from .kmb</source>
        <translation>Abrir instância de .kmb</translation>
    </message>
    <message>
        <source>Save instance data</source>
        <translation>Salvar dados da instância</translation>
    </message>
    <message>
        <source>There is no instance loaded (input + solution), please run the algorithm or import a new instance</source>
        <translation>Não há instância carregada (entrada + solução), por favor execute o algoritmo ou importe uma nova instância</translation>
    </message>
    <message>
        <source>The instance have problems on its solution, please run the algorithm or import a new instance</source>
        <translation>A instância possui problemas em sua solução, por favor execute o algoritmo ou importe uma nova instância</translation>
    </message>
    <message>
        <source>Open data from .csv</source>
        <translation>Abrir dados de .csv</translation>
    </message>
    <message>
        <source>.csv error</source>
        <translation>Erro no .csv</translation>
    </message>
    <message>
        <source>There was some error on the file header, would you like to export a template file?</source>
        <translation>Houve algum erro no cabeçalho do arquivo, gostaria de exportar um arquivo modelo?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Save client grid data</source>
        <translation>Salvar dados da tabela de clientes</translation>
    </message>
    <message>
        <source>Save routes data</source>
        <translation>Salvar dados das rotas</translation>
    </message>
    <message>
        <source>The client grid is full: its last row is not empty. Erase or remove a row before adding one</source>
        <translation>A tabela de clientes está cheia: sua última linha não está vazia. Apague ou remova uma linha antes de adicionar outra</translation>
    </message>
    <message>
        <source>The vehicle grid holds %1 rows; vehicle rows left out: %2</source>
        <translation>A tabela de veículos tem %1 linhas; linhas de veículos deixadas de fora: %2</translation>
    </message>
    <message>
        <source>The routes grid holds %1 rows; rows left out: %2</source>
        <translation>A tabela de solução tem %1 linhas; linhas deixadas de fora: %2</translation>
    </message>
    <message>
        <source>The stored instance could not be read</source>
        <translation>A instância armazenada não pôde ser lida</translation>
    </message>
    <message>
        <source>Sucessfully added client to database!</source>
        <translation>Cliente adicionado com sucesso ao banco de dados!</translation>
    </message>
    <message>
        <source>The clients could not be stored in the database</source>
        <translation>Os clientes não puderam ser gravados no banco de dados</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Erro de arquivo</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>O arquivo não pôde ser gravado: </translation>
    </message>
    <message>
        <source>The file could not be read: </source>
        <translation>O arquivo não pôde ser lido: </translation>
    </message>
    <message>
        <source>The date and time on row %1, column '%2' could not be read; write it as dd/MM/yyyy HH:mm</source>
        <translation>A data e hora da linha %1, coluna '%2' não puderam ser lidas; escreva-as como dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>The client grid holds %1 rows; client rows left out: %2</source>
        <translation>A tabela de clientes comporta %1 linhas; linhas de clientes deixadas de fora: %2</translation>
    </message>
    <message>
        <source>Web browser</source>
        <translation>Navegador web</translation>
    </message>
    <message>
        <source>No web browser could be opened. Copy this link into one:</source>
        <translation>Nenhum navegador web pôde ser aberto. Copie este link em um navegador:</translation>
    </message>
</context>
</TS>
